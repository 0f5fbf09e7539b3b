#pragma once

#include <QImage>
#include <QObject>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <memory>

class DebenuService;

// One open PDF document on top of the shared service: opened in the
// constructor, closed in the destructor (also when opening failed). Keeps
// the service alive. Not locked itself: one document, one thread at a time.
// Its pages come as images, so it belongs to the rendering library: the
// pictures need the renderer the program installs into the service.
class DebenuDocument : public QObject
{
    Q_OBJECT
public:
    DebenuDocument(std::shared_ptr<DebenuService> service, const QString &path, const QString &password,
                   bool bigData, QObject *parent = nullptr);
    ~DebenuDocument() override;

    // Opened, or found but protected (see needsPassword()).
    bool isLoaded() const { return m_loaded; }
    bool needsPassword() const { return m_needsPassword; }
    int documentId() const { return m_documentId; }
    bool isBigData() const { return m_bigData; }

    bool isEncrypted() const;
    bool contentCopyPermitted() const;
    int pageCount() const;
    // The page as the viewer shows it: one pixel per point, scaled down in
    // its own shape when a side is past DebenuService::maxShownSide.
    QSize pageSize(int page) const;
    QString documentTitle() const;
    bool saveDocument(const QString &path) const;
    bool setDocumentProperties(const QString &author, const QString &title, const QString &password,
                               const QString &creator, const QString &producer) const;

    // The page at 72 dpi (at pageSize(): a page too large is drawn scaled
    // down); usable on any thread and without a GUI application.
    QImage pageImage(int page) const;
    // The same as a pixmap, for the interface. Pixmaps exist only in a GUI
    // application and on its thread: elsewhere the result is null (use
    // pageImage()).
    QPixmap pagePixmap(int page) const;
    QImage firstPageImage() const;

private:
    // The page at 72 dpi through the service's renderer; null without one.
    QImage drawPage(int page, bool bigData) const;

    std::shared_ptr<DebenuService> m_service;
    int m_documentId = 0;
    bool m_loaded = false;
    bool m_needsPassword = false;
    bool m_bigData = false;
};
