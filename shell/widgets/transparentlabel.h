#pragma once

#include <QColor>
#include <QWidget>

namespace kalmoro {

// Text drawn straight over whatever lies beneath the label, wrapped at word boundaries from the
// top and cut off at the label's edges.
class TransparentLabel final : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
    Q_PROPERTY(QColor textColor READ textColor WRITE setTextColor)
    Q_PROPERTY(Qt::Alignment alignment READ alignment WRITE setAlignment)
public:
    explicit TransparentLabel(QWidget *parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString &text);
    // Sets a computed number as the caption. A number cut off at the edge would read as another
    // number, so when it does not fit on one line it is drawn in a smaller size until it does.
    void setNumberText(const QString &text);
    // Screen readers read a result label as a sighted user reads it with the caption and unit
    // printed beside it: the caption alone until a number is shown, then caption, number and unit.
    // Without a reading the label is named by its text.
    void setReading(const QString &caption, const QString &unit);

    QColor textColor() const { return m_color; }
    void setTextColor(const QColor &color);
    Qt::Alignment alignment() const { return m_alignment; }
    void setAlignment(Qt::Alignment alignment);

    // The font the caption is drawn in now (smaller than font() while a number is shrunk). A
    // shrunk font is measured once per text, font, width and device pixel ratio.
    QFont drawnFont() const;

Q_SIGNALS:
    // The left button went down on the label; the second press of a double click is not one.
    void pressed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void updateAccessibleName();

    QString m_text;
    QString m_caption;
    QString m_unit;
    QColor m_color = Qt::black;
    Qt::Alignment m_alignment = Qt::AlignLeft;
    bool m_fitNumber = false;
    // The shrunk font, and the width and device pixel ratio it was measured at (0: not measured).
    mutable QFont m_fitted;
    mutable int m_fittedWidth = 0;
    mutable qreal m_fittedRatio = 0;
};

} // namespace kalmoro
