#pragma once
// The English entry texts of the choice lists, as the windows show them, so that a JSON configuration may
// name a choice by its text ("power": "High") as well as by its position. The one place the command line
// keeps these texts.

#include <QStringList>

namespace listtexts {

enum class Owner { Channel, General, Vfo, Fm, Top };

// The entries, in list order, of the list behind `member` of an object of `owner`; empty when the member is
// not a choice.
QStringList english(Owner owner, const QString &member);

// Position of `text` in `entries`, compared without regard to case and blanks around it; also "Narrow" for
// the channel table's "Narror". -1 when absent.
int position(const QStringList &entries, const QString &text);

} // namespace listtexts
