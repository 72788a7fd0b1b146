#pragma once
// A widget drawn through another painter operation by operation, so that its
// lines, shapes, images and texts reach a PDF page or a printer as vectors.
// Qt would draw a widget onto a printer as one bitmap; a QPicture recording
// keeps the vectors but replays each text run from the top of its primary
// font, so a run in a fallback font (the Chinese of a memo line beside its
// digits) lands off the line's baseline. Here every text run is drawn at the
// baseline the widget gave it.
class QPainter;
class QWidget;

// Draws `widget` with its children through `target`, whose transformation
// maps the widget's pixels (96 per inch) onto the target's device.
void RenderWidgetOnto(QWidget& widget, QPainter& target);
