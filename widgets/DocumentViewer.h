#pragma once

#include <QDialog>
#include <QPoint>
#include <memory>

class DebenuService;
class PageView;
class QFrame;
class QLabel;
class QLineEdit;
class WindowBar;

// The frameless page viewer window: a title row, a scrolling column of every
// page of one document and, under it, the number of the page at the top of
// the view in a field: typing a number there and Return goes to that page
// (Ctrl+G puts the cursor in the field). Closing it only hides it; the
// document stays loaded until another file is opened.
class DocumentViewer : public QDialog
{
    Q_OBJECT
public:
    explicit DocumentViewer(QWidget *parent = nullptr, std::shared_ptr<DebenuService> service = {});
    ~DocumentViewer() override;

    // Titles the window "<file name> - Sheafwright" and loads the document
    // into the page view; returns the page view's result.
    bool open(const QString &fileName, const QString &password);
    // Shows only the pages numbered in pages (empty: all), turned by
    // rotation degrees clockwise (PageView::open).
    bool open(const QString &fileName, const QString &password, const QList<int> &pages, int rotation);

    PageView *pageView() const { return m_pageView; }
    WindowBar *windowBar() const { return m_windowBar; }
    QLineEdit *pageField() const { return m_pageField; }

    // Puts the cursor in the page field with its number selected.
    void focusPageField();

public slots:
    void onWindowMinimize();
    void onWindowClose();

protected:
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QWidget *buildPageRow(QWidget *parent);
    void retranslate();
    // The field and "of N" follow the page at the top of the view.
    void showCurrentPage();
    void goToTypedPage();

    QFrame *m_shadow = nullptr;
    QLabel *m_pageLabel = nullptr;
    QLineEdit *m_pageField = nullptr;
    QLabel *m_pageTotal = nullptr;
    WindowBar *m_windowBar = nullptr;
    PageView *m_pageView = nullptr;
    QPoint m_pressPosition;
    bool m_dragging = false;
};
