#pragma once

#include "merge/DocumentProperties.h"
#include "pdf/DocumentRepair.h"
#include "pdf/OutlineEntry.h"
#include "split/BookmarkParts.h"
#include "split/PageRanges.h"
#include "split/SplitLauncher.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <QPixmap>
#include <QString>
#include <QStringList>
#include <QThreadPool>
#include <memory>

class DebenuService;
class SessionFolder;

// The interface side of splitting: holds the one document loaded for
// splitting, the chosen mode with its values and the two page lists, turns
// them into a split request for the worker and relays progress and result.
// One instance lives as long as the program. Interface thread only.
class Split : public QObject
{
    Q_OBJECT
public:
    // Ids of the mode buttons on the split screen.
    enum Mode {
        OnePagePerFile = 0,      // "Into files of 1 page"
        GroupsOfPages = 1,       // "By groups of pages"
        WithoutCertainPages = 2, // "Get rid of certain pages"
        ByPageRanges = 3,        // "By page ranges"
        ByBookmarks = 4,         // "By bookmarks"
        BySize = 5               // "By size"
    };

    explicit Split(std::shared_ptr<DebenuService> service = nullptr, QObject *parent = nullptr);
    ~Split() override;

    // Reads the document synchronously (page count, protection, title, first
    // page picture, copy permission) and emits loadFinished(). A missing file
    // is logged and changes nothing. Blocks for one document open and one
    // page render. The page lists keep their entries.
    void load(const QString &fileName, const QString &password);
    // Forgets the document and empties both page lists; emits clean().
    void reset();

    // Has MuPDF write a repaired copy of the unreadable document into a
    // private folder of its own (see DocumentRepair), on another thread, and
    // loads that copy in its place: the worker reads the copy, outputs go
    // beside the original and are named after it, which is never changed.
    // Emits repairFinished() with the pages recovered (0 when nothing could
    // be), after loadFinished() on success. Does nothing unless the document
    // is unreadable and no repair runs.
    void repair();
    bool isRepairing() const { return m_repairing; }
    // The document loaded is a repaired copy of sourceFileName().
    bool isRepairedCopy() const { return bool(m_repairFolder); }

    // Adds (page, page) to the pages to drop, when a document is loaded.
    void addCertainPage(int page);
    PageRanges *certainPages();
    PageRanges *pageRanges();

    // A document is loaded, opened and has pages (false while locked).
    bool isLoaded() const;
    // The loaded file wants a password it has not been given yet.
    bool isLocked() const;
    // The loaded file could not be read at all: damaged, not a PDF, gone,
    // or without pages. No password would help.
    bool isUnreadable() const;
    bool isRunning() const;
    // The user asked to stop the current (or last) run.
    bool isCancelRequested() const { return m_cancelRequested; }
    bool isContentCopyPermitted() const;

    void setMode(int mode);
    void setStartFrom(int page);
    void setGroupSize(int size);
    void setOutDirectory(const QString &directory);
    int mode() const;
    int startFrom() const;
    int groupSize() const;

    QString outDirectory() const;
    QString password() const;
    int pageCount() const;
    // The file the worker reads: the file loaded, or its repaired copy.
    QString fileName() const;
    // The file the person chose (the original of a repaired copy).
    QString sourceFileName() const;
    QPixmap thumbnail() const;
    // The title when there is one, else the file name up to its last dot.
    QString displayName() const;

    // The program's defaults (DocumentProperties::programDefaults) with the
    // "Publisher" setting, no password. Opens the settings once.
    static DocumentProperties documentProperties();

    // Groups of groupSize pages from startPage to lastPage; the last group
    // may be shorter and pages before startPage are in none. Empty when
    // lastPage < startPage, and for a group size or a start page below 1
    // (nothing a person asked for, so nothing is guessed).
    static QList<QPair<int, int>> groupRanges(int startPage, int groupSize, int lastPage);

    // The ranges the current mode sends to the worker (empty: nothing to do).
    // By size: the whole document as one range while a limit is set (the
    // worker finds the parts).
    QList<QPair<int, int>> requestedRanges() const;

    // Of the ranges the current mode sends, those the loaded document does
    // not have (or that run backwards): entries kept from a longer document.
    // run() refuses while there is any.
    QList<QPair<int, int>> rangesOutsideDocument() const;

    // The loaded document's outline, read through the PDF service the first
    // time it is asked for after a load (empty without a readable document).
    const OutlineEntries &outline() const;
    // Splitting by bookmarks cuts at the entries of levels 1 to this one;
    // each document loaded starts at level 1.
    void setBookmarkLevel(int level);
    int bookmarkLevel() const;
    // The outline levels that exist, and the parts the chosen level gives.
    QList<int> bookmarkLevels() const;
    QList<BookmarkParts::Part> bookmarkParts() const;

    // Splitting by size: the largest output, in kilobytes of 1000 bytes.
    void setMaxSizeKb(int kilobytes);
    int maxSizeKb() const;
    // How the last split ended: the worker's outcome, a refusal before any
    // worker ran (ranges outside the document), and Canceled for any run
    // that ended short after the user asked it to stop.
    const WorkerOutcome &outcome() const { return m_outcome; }
    // The loaded document is protected (a password, or restrictions): its
    // parts are written without that protection.
    bool isProtected() const { return m_protected; }
    // The worker launcher (for replacing the worker program).
    SplitLauncher *launcher() { return &m_launcher; }

signals:
    void loadFinished();
    void clean();
    void started();
    void progressChanged(double percenatage);
    void finished(QStringList files);
    void complete();
    // The split did not write everything it was asked for, was stopped, or
    // never started: outcome() tells what happened and which files were
    // written whole (they stay where they are).
    void splitFailed(int errorCode);
    void contentCopyDisabled();
    void repairFinished(int pages);

public slots:
    // Starts a split of the loaded document in the current mode. Does nothing
    // while a split runs, without a readable document of at least two pages,
    // or when the mode yields no range; emits contentCopyDisabled() when the
    // document forbids copying its content, and splitFailed() with
    // WorkerCode::PagesOutsideDocument, starting nothing, while a range of
    // the mode does not fit the document.
    void run();
    // Stops a running worker; the run then ends with splitFailed() and
    // WorkerCode::Canceled (or finished() when the worker had already
    // written everything).
    void cancel();
    void onSplitFinished(const WorkerOutcome &outcome);

private:
    void forgetDocument();
    void readDocument(const QString &fileName, const QString &password);
    void onRepaired(const QString &input, const DocumentRepair::Result &result);
    // The names the page grid gave to ranges (see PageRanges::name), one
    // per range; empty when none is named.
    QStringList rangeNames(const QList<QPair<int, int>> &ranges) const;

    std::shared_ptr<DebenuService> m_service;
    int m_mode = OnePagePerFile;
    QString m_outDirectory;
    QString m_fileName;
    QString m_sourceFileName;
    std::unique_ptr<SessionFolder> m_repairFolder;   // holds the repaired copy; gone with it
    std::unique_ptr<SessionFolder> m_pendingRepairFolder;   // for the repair under way
    QThreadPool m_repairPool;   // runs the repair off the interface thread
    bool m_repairing = false;
    QString m_password;
    QString m_title;
    int m_pageCount = -1;
    QPixmap m_thumbnail;
    bool m_loaded = false;
    bool m_locked = false;
    bool m_unreadable = false;
    bool m_cancelRequested = false;
    bool m_contentCopyPermitted = false;
    bool m_protected = false;
    int m_startFrom = 1;
    int m_groupSize = 1;
    int m_bookmarkLevel = 1;
    int m_maxSizeKb = 0;
    mutable OutlineEntries m_outline;
    mutable bool m_outlineRead = false;
    PageRanges m_certainPages;
    PageRanges m_pageRanges;
    WorkerOutcome m_outcome;
    SplitLauncher m_launcher;
};
