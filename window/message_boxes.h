// The modal boxes the commands show. The commands see only this interface, so
// tests can answer the boxes without a modal loop; QtMessageBoxes is the real one.
#pragma once

#include <QString>

class QWidget;

namespace velkiro {

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // "ATTENZIONE!", the exclamation icon and one OK button; waits until dismissed.
    virtual void warn(QWidget* parent, const QString& text) = 0;
    // "Conferma", no icon, Sì (the default) and No, and no other way out.
    virtual bool confirm(QWidget* parent, const QString& text) = 0;
};

class QtMessageBoxes final : public MessageBoxes {
public:
    void warn(QWidget* parent, const QString& text) override;
    bool confirm(QWidget* parent, const QString& text) override;
};

}  // namespace velkiro
