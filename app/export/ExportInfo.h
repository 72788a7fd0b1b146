#pragma once
// What every exported document says about where it comes from.
#include <QString>

// The window's caption, the title of reports and charts.
QString ApplicationDocumentTitle();
// The application and its version, for a document's creator.
QString ApplicationCreator();
