#include "merge/MergeItem.h"

#include <QUuid>

MergeItem::MergeItem()
    : id(QUuid::createUuid().toString())
{
}
