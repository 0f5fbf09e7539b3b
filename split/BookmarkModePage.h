#pragma once

#include <QFrame>

class QComboBox;
class QLabel;
class Split;

// The split screen's page for splitting by bookmarks: the outline levels the
// loaded document has, the level to split at, how many files that gives, or
// that the document has no bookmarks.
class BookmarkModePage : public QFrame
{
    Q_OBJECT
public:
    BookmarkModePage(Split *split, QWidget *parent = nullptr);

    // True when a split at the chosen level is possible, or no document is
    // loaded yet (SPLIT then says what is missing); false for a document
    // without bookmarks.
    bool canSplit() const;

    QComboBox *levelBox() const { return m_levels; }
    QLabel *countLabel() const { return m_count; }
    QLabel *helpLabel() const { return m_help; }

signals:
    // What canSplit() answers may have changed.
    void changed();

public slots:
    // Reads the loaded document's outline (once per document) and shows it.
    void refresh();

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void onLevelChosen(int index);
    void showCount();
    void retranslate();

    Split *m_split;
    QLabel *m_levelLabel;
    QComboBox *m_levels;
    QLabel *m_count;
    QLabel *m_help;
    bool m_noBookmarks = false;
};
