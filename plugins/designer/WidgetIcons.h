#ifndef WIDGETICONS_H
#define WIDGETICONS_H

#include <QIcon>

class QPainter;

// The widget-box icons, painted in code so that they stay sharp at every size
// Designer asks for. Each painter draws into a 32 x 32 logical square.
QIcon widgetIcon(void (*paint)(QPainter *painter));

namespace WidgetIconPainters {
void pushButton(QPainter *painter);
void comboBox(QPainter *painter);
void groupBox(QPainter *painter);
void menuBar(QPainter *painter);
void headerLabel(QPainter *painter);
void descriptionLabel(QPainter *painter);
void header(QPainter *painter);
void slideMaster(QPainter *painter);
void navigationButton(QPainter *painter);
void navigationButtonGroup(QPainter *painter);
void pixmapButton(QPainter *painter);
void elidedLabel(QPainter *painter);
void ipAdressEdit(QPainter *painter);
} // namespace WidgetIconPainters

#endif // WIDGETICONS_H
