// The modal boxes the commands show, in Italian whatever translations the
// system has.
#pragma once

#include <QString>

class QWidget;

namespace velkiro {

// "ATTENZIONE!", the exclamation icon and one OK button; waits until dismissed.
void Warn(QWidget* parent, const QString& text);
// "Conferma", no icon, Sì (the default) and No, and no other way out; true for Sì.
bool Confirm(QWidget* parent, const QString& text);

}  // namespace velkiro
