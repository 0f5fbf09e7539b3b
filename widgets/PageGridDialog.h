#pragma once

#include "pdf/PagePictureLoader.h"
#include "split/PageParts.h"
#include "widgets/PageGridModel.h"

#include <QDialog>

class DebenuService;
class PageGridView;
class QLabel;
class QPushButton;

// The window of the page grid: the pages of one document as pictures, to
// cut into parts, to mark pages in, or to see what a split will write. It
// opens for any document and hands back the parts or marks chosen
// (parts()): the split screen opens it for its document, and a list of
// files can open it for one of them. Enter accepts, Escape leaves without
// changes. Pictures are drawn off the interface thread by a
// PagePictureLoader; closing the window, or the document going away
// (closeDocument()), stops the drawing at once.
class PageGridDialog : public QDialog
{
    Q_OBJECT
public:
    // renderers: one per drawing thread (see PagePictureLoader); labels:
    // reads the page labels (may be empty); threads: pages drawn at once.
    PageGridDialog(PagePictureLoader::RendererFactory renderers, PagePictureLoader::LabelReader labels,
                   int threads, QWidget *parent = nullptr);
    ~PageGridDialog() override;

    // Shows path (pageCount pages, opened with password) in mode, starting
    // from parts (their ranges and names, or their marks). Drawing starts.
    void setDocument(const QString &path, const QString &password, int pageCount, PageGridModel::Mode mode,
                     const PageParts &parts);

    // The parts and marks as edited.
    const PageParts &parts() const;

    PageGridView *view() const { return m_view; }
    PageGridModel *model() const { return m_model; }
    PagePictureLoader *loader() const { return m_loader; }
    QPushButton *okButton() const { return m_ok; }

    // What a screen opens the grid with: page labels read through service
    // (none without one), and a renderer of its own for each drawing thread
    // (they share nothing, not even the service's lock, which the screen
    // may be waiting on).
    static PagePictureLoader::LabelReader labelsFrom(std::shared_ptr<DebenuService> service);
    static PagePictureLoader::RendererFactory ownRenderers();

    // Drawing threads used when the caller has no preference: the cores
    // there are, but at most four (each opens the document on its own).
    static int defaultThreads();

public slots:
    // The document went away: stops drawing and closes without changes.
    void closeDocument();
    void done(int result) override;

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void updateSummary();
    void requestPictures();
    void onPicture(int page, const QImage &picture);

    PagePictureLoader *m_loader = nullptr;
    PageGridModel *m_model = nullptr;
    PageGridView *m_view = nullptr;
    QLabel *m_hint = nullptr;
    QLabel *m_summary = nullptr;
    QPushButton *m_zoomOut = nullptr;
    QPushButton *m_zoomIn = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    QString m_fileName;
    bool m_unreadable = false;
};
