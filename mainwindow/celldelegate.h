#ifndef KESTREL_CELLDELEGATE_H
#define KESTREL_CELLDELEGATE_H

#include <QStyledItemDelegate>

// Shows each cell of the playlist table through the start of its text only.
// A title or an address of millions of characters (a file without line
// breaks) would otherwise be laid out whole at every repaint, seconds each
// time, while no column is ever wide enough to show more than the start. The
// cell itself keeps its whole text.
class CellDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QString displayText(const QVariant &value, const QLocale &locale) const override;
};

#endif
