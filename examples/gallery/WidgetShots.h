#ifndef WIDGETSHOTS_H
#define WIDGETSHOTS_H

#include <QString>

// Writes a picture of every widget class of the library, and a sample of each
// look, under every look of the gallery into `dir` as <shot>-<look>.png, with
// "@2x" (or "@<ratio>x") before ".png" when the screen's device pixel ratio is
// not 1 (run with QT_SCALE_FACTOR=2 for the 2x pictures). Prints each path on
// a line of its own; false when a picture could not be written. The API
// reference shows these pictures.
bool writeWidgetShots(const QString &dir);

#endif // WIDGETSHOTS_H
