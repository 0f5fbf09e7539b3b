#include "merge/MergePagesChooser.h"

#include "split/PageParts.h"
#include "widgets/PageGridDialog.h"

#include <QDebug>
#include <QSet>
#include <QStringList>

MergePagesChooser::MergePagesChooser(PagePictureLoader::RendererFactory renderers,
                                     PagePictureLoader::LabelReader labels)
    : m_renderers(std::move(renderers))
    , m_labels(std::move(labels))
{
}

bool MergePagesChooser::choose(QWidget *parent, const QString &path, const QString &password, int pageCount,
                               const QList<int> &chosen, QString *pages) const
{
    if (pageCount <= 0)
        return false;
    PageParts start(pageCount);
    if (!chosen.isEmpty()) {
        const QSet<int> kept(chosen.cbegin(), chosen.cend());
        for (int page = 1; page <= pageCount; ++page)
            start.setMarked(page, page, !kept.contains(page));
    }
    PageGridDialog dialog(m_renderers, m_labels, PageGridDialog::defaultThreads(), parent);
    dialog.setDocument(path, password, pageCount, PageGridModel::MarkPages, start);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const PageParts &result = dialog.parts();
    // Marked and unmarked again: the row keeps its choice (and its order).
    if (result.marks() == start.marks() || result.markCount() >= pageCount)
        return false;
    QList<int> leftOut;
    for (const PageParts::Range &mark : result.marks())
        leftOut << mark.first;
    *pages = choiceText(pageCount, leftOut);
    qDebug() << Q_FUNC_INFO << "pages left out" << leftOut.size() << "of" << pageCount;
    return true;
}

QString MergePagesChooser::choiceText(int pageCount, const QList<int> &leftOut)
{
    if (leftOut.isEmpty())
        return QString();
    QStringList ranges;
    auto add = [&ranges](int from, int to) {
        if (from <= to)
            ranges << (from == to ? QString::number(from) : QStringLiteral("%1-%2").arg(from).arg(to));
    };
    int from = 1;
    for (int page : leftOut) {
        add(from, page - 1);
        from = page + 1;
    }
    add(from, pageCount);
    return ranges.join(QStringLiteral(", "));
}
