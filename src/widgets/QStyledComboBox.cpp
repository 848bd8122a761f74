#include "QStyledComboBox.h"

#include <QHash>
#include <QPainter>
#include <QStyleOptionComboBox>

namespace {

// Fusion caches the painted combo-box panel under a key built from state,
// size and the palette's cache key, but not from the sub-controls, so a panel
// without arrow and one with arrow would share a cache entry and whichever
// was painted first would show for both. The arrowless panel is therefore
// drawn with an equal palette that carries a cache key of its own, one per
// widget palette, so that its cache entry is still reused from paint to paint.
QPalette arrowlessPalette(const QPalette &palette)
{
    static QHash<qint64, QPalette> copies;
    auto it = copies.find(palette.cacheKey());
    if (it == copies.end()) {
        if (copies.size() >= 64)
            copies.clear();
        // Changing a brush and back detaches the copy: same colours, new key.
        QPalette copy = palette;
        const QBrush window = copy.brush(QPalette::Active, QPalette::Window);
        copy.setBrush(QPalette::Active, QPalette::Window, QBrush(Qt::NoBrush));
        copy.setBrush(QPalette::Active, QPalette::Window, window);
        copy.resolve(palette.resolve());
        it = copies.insert(palette.cacheKey(), copy);
    }
    // The key ignores the current colour group; it is the caller's.
    QPalette result = it.value();
    result.setCurrentColorGroup(palette.currentColorGroup());
    return result;
}

} // namespace

QStyledComboBox::QStyledComboBox(QWidget *parent)
    : QComboBox(parent)
    , m_buttonType(StyleHelper::DEFAULT)
    , m_buttonDesign(StyleHelper::BD_DEFAULT)
{
}

QStyledComboBox::~QStyledComboBox() = default;

StyleHelper::ButtonType QStyledComboBox::buttonType() const
{
    return m_buttonType;
}

void QStyledComboBox::setButtonType(StyleHelper::ButtonType type)
{
    m_buttonType = type;
}

StyleHelper::ButtonDesign QStyledComboBox::buttonDesign() const
{
    return m_buttonDesign;
}

void QStyledComboBox::setButtonDesign(StyleHelper::ButtonDesign design)
{
    m_buttonDesign = design;
}

void QStyledComboBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyle *currentStyle = style();
    painter.setPen(palette().color(QPalette::Text));

    QStyleOptionComboBox option;
    initStyleOption(&option);
    // Nothing to drop down: an empty or disabled box shows no arrow.
    if (count() == 0 || !isEnabled()) {
        option.subControls &= ~QStyle::SC_ComboBoxArrow;
        option.palette = arrowlessPalette(option.palette);
    }

    currentStyle->drawComplexControl(QStyle::CC_ComboBox, &option, &painter, this);
    currentStyle->drawControl(QStyle::CE_ComboBoxLabel, &option, &painter, this);
}
