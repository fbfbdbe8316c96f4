#include "mainwindow/celldelegate.h"

namespace {

// Wider than any screen can show in one cell.
constexpr qsizetype ShownCharacters = 4096;

} // namespace

QString CellDelegate::displayText(const QVariant &value, const QLocale &locale) const
{
    if (value.typeId() == QMetaType::QString) {
        const QString text = value.toString();
        if (text.size() > ShownCharacters) {
            // Half a surrogate pair would show as a replacement character.
            const qsizetype shown = text.at(ShownCharacters - 1).isHighSurrogate()
                                        ? ShownCharacters - 1
                                        : ShownCharacters;
            return QStyledItemDelegate::displayText(text.left(shown), locale);
        }
    }
    return QStyledItemDelegate::displayText(value, locale);
}
