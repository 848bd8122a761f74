#ifndef QSTYLEDHEADER_H
#define QSTYLEDHEADER_H

#include <QWidget>

#include "VeltrixGlobal.h"

class QStyledMenuBar;
class QStyledHeaderForm;

// An application header band: title and subtitle on the left, a logo on the
// right and the application's menu bar underneath. Fonts, colours and the
// logo picture come from the installed style. The labels carry the object
// names "appTitleLabel", "appNameLabel" and "appLogoLabel".
class VELTRIX_EXPORT QStyledHeader : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString applicationTitle READ applicationTitle WRITE setApplicationTitle)
    Q_PROPERTY(QString applicationSubTitle READ applicationSubTitle WRITE setApplicationSubTitle)

public:
    explicit QStyledHeader(QWidget *parent = nullptr);
    ~QStyledHeader() override;

    QStyledMenuBar *menuBar();

    QString applicationTitle() const;
    void setApplicationTitle(const QString &title);

    QString applicationSubTitle() const;
    void setApplicationSubTitle(const QString &subTitle);

private:
    Q_DISABLE_COPY(QStyledHeader)

    QStyledHeaderForm *m_form;
    QStyledMenuBar *m_menuBar;
};

#endif // QSTYLEDHEADER_H
