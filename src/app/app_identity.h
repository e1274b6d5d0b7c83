#pragma once
// Who the program is to the desktop: the title that identifies the running
// instance and captions every message box, the window caption, and the
// support addresses behind the help and mail buttons.

#include <QString>

namespace ruvo::app {

// The application title: the taskbar entry, every message box's caption
// and the name the single running instance is found by.
inline const QString kAppTitle = QStringLiteral("◇ruvo_Rezovod");

// The main window's caption; the blanks are full-width (U+3000).
inline const QString kMainCaption = QStringLiteral("ruvo　送り状印刷　< 福山通運　> ver1.10");

// The maker's web page (web help button) and the support mailbox (E-Mail
// button).
inline const QString kWebHelpUrl = QStringLiteral("https://ruvo.example.jp/help/");
inline const QString kSupportMailAddress = QStringLiteral("support@ruvo.example.jp");

}  // namespace ruvo::app
