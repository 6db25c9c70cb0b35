// Everything the program asks the user goes through this interface, so that
// tests can answer message boxes and file dialogs by script.
//
// Thread: UI thread only.
#pragma once

#include <QString>
#include <QWidget>

namespace halvane::platform {

// Message-box style bits and button ids, as the program's texts use them.
inline constexpr int kMbOk = 0x00;
inline constexpr int kMbYesNo = 0x04;
inline constexpr int kMbIconQuestion = 0x20;
inline constexpr int kMbIconInformation = 0x40;
inline constexpr int kIdOk = 1;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;

class UserDialogs {
public:
    virtual ~UserDialogs() = default;
    // Shows `text` (which may hold "<br>" and a link) captioned with the
    // application title; returns the id of the button pressed.
    virtual int MessageBox(QWidget* owner, const QString& text, int style) = 0;
    // An existing file to open; empty when cancelled.
    virtual QString OpenFileName(QWidget* owner, const QString& filter) = 0;
};

// The real dialogs.
class QtUserDialogs final : public UserDialogs {
public:
    int MessageBox(QWidget* owner, const QString& text, int style) override;
    QString OpenFileName(QWidget* owner, const QString& filter) override;
};

}  // namespace halvane::platform
