#pragma once
// Qt's own texts (context menus of text fields, dialog buttons) in Chinese,
// whatever the locale: the window around them is Chinese.
class QCoreApplication;

// Installs Qt's simplified Chinese translations when they are installed and
// makes Chinese the default locale of Qt's own texts; returns false when none
// could be loaded (Qt then keeps its English texts).
bool InstallChineseQtTranslations(QCoreApplication& application);
