#include "SearchResultRow.h"

QString SearchResultRow::id() const
{
    switch (kind()) {
    case Kind::Verse:
        return QStringLiteral("v:") + verseItem()->id();
    case Kind::Book:
        return QStringLiteral("b:") + bookValue()->code;
    case Kind::History:
        return QStringLiteral("h:") + *historyText();
    }
    return {};
}
