#pragma once

#include <QFrame>
#include <memory>

class DebenuDocument;
class DebenuService;
class QScrollArea;
class QVBoxLayout;

// The viewer's scrolling page column. Opening builds one Page per document
// page without rendering anything; pages render when they first show.
class PageView : public QFrame
{
    Q_OBJECT
public:
    // service: the PDF service that opens documents; null means the
    // application's service.
    explicit PageView(QWidget *parent = nullptr, std::shared_ptr<DebenuService> service = {});
    ~PageView() override;

    // Opens fileName with password. The file already shown returns true at
    // once (nothing reloads, the scroll position stays, whatever the
    // password). Another file empties the pixmap cache, removes the old pages
    // and scrolls to the top; then true when its pages are in place, false
    // for a document that cannot be opened (path forgotten) or has no pages
    // (path kept).
    bool open(const QString &fileName, const QString &password);
    // As open() above, showing only the pages numbered in pages (1-based, in
    // that order, repeats allowed; empty: all), each turned by rotation
    // degrees clockwise: what a merge takes of the file. The file already
    // shown keeps its document and only rebuilds the pages when the choice
    // differs. Numbers outside the document are skipped.
    bool open(const QString &fileName, const QString &password, const QList<int> &pages, int rotation);
    // Empties the pixmap cache, deletes every page and scrolls to the top.
    void clear();

    QString path() const { return m_path; }
    int pageCount() const;
    QScrollArea *scrollArea() const { return m_scrollArea; }

    // The page at the top of the view (1-based; 0 without pages).
    int currentPage() const;
    // Scrolls so that page number (1-based, clamped to the pages there
    // are) starts at the top of the view.
    void showPage(int number);

signals:
    // The page at the top of the view changed, or other pages were loaded.
    void currentPageChanged(int number);

private:
    std::shared_ptr<DebenuService> service() const;
    // Adds a Page for each chosen page number (every one of 1..count when
    // none is chosen), turned by the chosen rotation.
    void addPages(int count);
    void onScrolled();

    std::shared_ptr<DebenuService> m_service;
    std::shared_ptr<DebenuDocument> m_document;
    QString m_path;
    QString m_password;
    QList<int> m_chosen;
    int m_rotation = 0;
    QScrollArea *m_scrollArea = nullptr;
    QFrame *m_doc = nullptr;
    QVBoxLayout *m_pages = nullptr;
    int m_currentPage = 0;
};
