#include "widgets/HelpRow.h"

#include "widgets/PixmapLoader.h"

#include <QHBoxLayout>
#include <QLabel>

HelpRow::HelpRow(QLabel *text, QWidget *parent, int maxTextHeight)
    : QFrame(parent)
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    auto *picture = new QLabel(this);
    picture->setPixmap(PixmapLoader::load(QStringLiteral(":/style/images/helplabel.png")));
    row->addWidget(picture, 0, Qt::AlignTop);
    text->setObjectName(QStringLiteral("help"));
    text->setWordWrap(true);
    text->setMaximumHeight(maxTextHeight);
    row->addWidget(text, 1, Qt::AlignTop);
}
