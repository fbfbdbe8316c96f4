#ifndef KESTREL_PLAYLISTTABLE_H
#define KESTREL_PLAYLISTTABLE_H

#include <QString>
#include <QStringView>
#include <Qt>

// Layout of the playlist table: one row per entry.
namespace PlaylistTable {

enum Column { TitleColumn = 0, UrlColumn = 1, TypeColumn = 2 };

// The Type cell keeps the entry's kind under this role beside its text, with
// the values of a PLS file (1 Radio, 2 TV): the text follows the language,
// the kind does not.
constexpr int KindRole = Qt::UserRole;
enum Kind { Radio = 1, TV = 2 };

// The Type cell also shows the result of the last stream check of the row's
// address, with its verdict (a StreamCheck::Verdict as int) under this role.
constexpr int CheckVerdictRole = Qt::UserRole + 2;

// Whether the radio-box can play an address: its scheme is "http" or "udp".
bool isStreamAddress(QStringView address);

// One entry on its way into the table, as the table shows it.
struct Row
{
    QString title;
    QString address;
    bool radio = true;
    // The address's duplicate key when it is already known, from the QUrl a
    // reader built or from the table; empty when it is still to be worked out.
    QString key;
};

} // namespace PlaylistTable

#endif
