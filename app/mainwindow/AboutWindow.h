#pragma once
// 帮助 → 关于: name, version, licence and the Qt version in use.
class QString;
class QWidget;

QString AboutText();
QWidget* ShowAboutWindow(QWidget& owner);
