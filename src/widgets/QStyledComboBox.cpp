#include "QStyledComboBox.h"

#include <QHash>
#include <QPainter>
#include <QStyleOptionComboBox>

namespace {

// Fusion caches the painted combo-box panel under a key built from state,
// size and the palette's cache key, but not from the sub-controls or from the
// box's type and design. Boxes that look different (arrow or none, another
// type or design) would share a cache entry and whichever was painted first
// would show for all. Such a box is therefore drawn with an equal palette that
// carries a cache key of its own, one per palette and look, so that its cache
// entry is still reused from paint to paint.
QPalette paletteForLook(const QPalette &palette, int look)
{
    static QHash<QPair<qint64, int>, QPalette> copies;
    const QPair<qint64, int> key(palette.cacheKey(), look);
    auto it = copies.find(key);
    if (it == copies.end()) {
        if (copies.size() >= 256)
            copies.clear();
        // Changing a brush and back detaches the copy: same colours, new key.
        QPalette copy = palette;
        const QBrush window = copy.brush(QPalette::Active, QPalette::Window);
        copy.setBrush(QPalette::Active, QPalette::Window, QBrush(Qt::NoBrush));
        copy.setBrush(QPalette::Active, QPalette::Window, window);
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
        copy.resolve(palette.resolve());
#else
        copy.setResolveMask(palette.resolveMask());
#endif
        it = copies.insert(key, copy);
    }
    // The key ignores the current colour group; it is the caller's.
    QPalette result = it.value();
    result.setCurrentColorGroup(palette.currentColorGroup());
    return result;
}

} // namespace

QStyledComboBox::QStyledComboBox(QWidget *parent)
    : QComboBox(parent)
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
    const bool arrowless = count() == 0 || !isEnabled();
    if (arrowless)
        option.subControls &= ~QStyle::SC_ComboBoxArrow;
    const int look = (arrowless ? 0x100 : 0) | (int(m_buttonType) & 0xf) << 4 | (int(m_buttonDesign) & 0xf);
    if (look != 0)
        option.palette = paletteForLook(option.palette, look);

    currentStyle->drawComplexControl(QStyle::CC_ComboBox, &option, &painter, this);
    currentStyle->drawControl(QStyle::CE_ComboBoxLabel, &option, &painter, this);
}
