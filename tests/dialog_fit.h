#pragma once

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QSplitterHandle>
#include <QStyleOptionComboBox>
#include <QStyleOptionSpinBox>
#include <QTabBar>
#include <QTextDocument>

// What a shown dialog clips, elides or places off its screen, one line each; empty when the
// dialog shows all of its text. Checked: the dialog lies within the screen's available area,
// every visible child within the dialog;
// every visible child is at least its size hint (its minimum size hint along an axis where its
// size policy lets a layout shrink it; a line edit by its text, as its hint asks room for the
// font's widest glyph); a label's text, a combo box's current item, a line edit's
// text and a tab's caption fit their widget; a check box's or radio button's indicator is about
// as tall as its text, and so is a button's icon; a spin box's buttons are about as wide as its
// text is tall; an item view's columns fit its width. Children inside a scroll area's view scroll
// and are not measured.
inline QStringList dialog_misfits(const QWidget &dialog)
{
    QStringList misfits;
    const auto name = [](const QWidget *w) {
        const QString text = w->objectName().isEmpty() ? QString() : w->objectName() + " ";
        QString chain = text + QString::fromLatin1(w->metaObject()->className());
        if (w->objectName().isEmpty() && w->parentWidget())
            chain += QStringLiteral(" in ")
                + QString::fromLatin1(w->parentWidget()->metaObject()->className());
        return chain;
    };
    const auto size_text = [](QSize s) {
        return QStringLiteral("%1x%2").arg(s.width()).arg(s.height());
    };

    const QScreen *screen = dialog.screen();
    if (screen && !screen->availableGeometry().contains(dialog.frameGeometry()))
        misfits << QStringLiteral("the dialog %1 at (%2, %3) leaves the screen %4")
                       .arg(size_text(dialog.frameGeometry().size()))
                       .arg(dialog.frameGeometry().x())
                       .arg(dialog.frameGeometry().y())
                       .arg(size_text(screen->availableGeometry().size()));

    for (const QWidget *w : dialog.findChildren<QWidget *>()) {
        if (w->isWindow() || !w->isVisibleTo(&dialog))
            continue;
        bool scrolled = false;
        for (const QWidget *up = w->parentWidget(); up && up != &dialog; up = up->parentWidget())
            if (const auto *area = qobject_cast<const QAbstractScrollArea *>(up))
                scrolled = scrolled || area->viewport()->isAncestorOf(w);
        if (scrolled)
            continue;
        const QFontMetrics metrics = w->fontMetrics();
        const QRect placed(w->mapTo(&dialog, QPoint(0, 0)), w->size());
        if (!dialog.rect().contains(placed))
            misfits << QStringLiteral("%1 at (%2, %3) %4 reaches out of the dialog")
                           .arg(name(w))
                           .arg(placed.x())
                           .arg(placed.y())
                           .arg(size_text(placed.size()));

        // A combo box's own line edit is measured with the combo box.
        const bool combo_part = qobject_cast<const QComboBox *>(w->parentWidget());
        if (!qobject_cast<const QAbstractScrollArea *>(w)
            && !qobject_cast<const QSplitterHandle *>(w) && !combo_part
            && !qobject_cast<const QLineEdit *>(w)) {
            const QSizePolicy policy = w->sizePolicy();
            const QSize hint = w->sizeHint(), least = w->minimumSizeHint();
            const int need_w =
                policy.horizontalPolicy() & QSizePolicy::ShrinkFlag ? least.width() : hint.width();
            const int need_h = w->hasHeightForWidth()               ? w->heightForWidth(w->width())
                : policy.verticalPolicy() & QSizePolicy::ShrinkFlag ? least.height()
                                                                    : hint.height();
            if (w->width() < need_w || w->height() < need_h)
                misfits << QStringLiteral("%1 is %2, needs %3x%4")
                               .arg(name(w), size_text(w->size()))
                               .arg(need_w)
                               .arg(need_h);
        }

        if (const auto *label = qobject_cast<const QLabel *>(w)) {
            // Rich text measured as the label lays it out; plain text by the label's own hint.
            if (!label->text().isEmpty() && !label->wordWrap()
                && label->textFormat() != Qt::PlainText && Qt::mightBeRichText(label->text())) {
                QTextDocument document;
                document.setDefaultFont(label->font());
                document.setHtml(label->text());
                document.setDocumentMargin(0);
                const int wide = int(document.idealWidth() + 0.5);
                if (wide > label->contentsRect().width() + 1)
                    misfits << QStringLiteral("%1 \"%2\" is %3 wide for text %4 wide")
                                   .arg(name(w), label->text().left(40))
                                   .arg(label->contentsRect().width())
                                   .arg(wide);
            }
        } else if (const auto *combo = qobject_cast<const QComboBox *>(w)) {
            QStyleOptionComboBox option;
            option.initFrom(combo);
            option.editable = combo->isEditable();
            option.currentText = combo->currentText();
            option.currentIcon = combo->itemIcon(combo->currentIndex());
            option.iconSize = combo->iconSize();
            const QRect field = combo->style()->subControlRect(
                QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
            const int icon = option.currentIcon.isNull() ? 0 : combo->iconSize().width() + 4;
            const int wide = metrics.horizontalAdvance(combo->currentText()) + icon;
            if (wide > field.width())
                misfits << QStringLiteral("%1 \"%2\" shows %3 of %4 pixels")
                               .arg(name(w), combo->currentText())
                               .arg(field.width())
                               .arg(wide);
        } else if (const auto *edit = qobject_cast<const QLineEdit *>(w); edit && !combo_part) {
            const int wide = metrics.horizontalAdvance(edit->displayText());
            const int room = edit->contentsRect().width() - edit->textMargins().left()
                - edit->textMargins().right() - 4;
            if (wide > room)
                misfits << QStringLiteral("%1 \"%2\" shows %3 of %4 pixels")
                               .arg(name(w), edit->displayText())
                               .arg(room)
                               .arg(wide);
        } else if (const auto *tabs = qobject_cast<const QTabBar *>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                if (tabs->tabRect(i).width() < metrics.horizontalAdvance(tabs->tabText(i)))
                    misfits << QStringLiteral("%1 tab \"%2\" is %3 wide")
                                   .arg(name(w), tabs->tabText(i))
                                   .arg(tabs->tabRect(i).width());
        } else if (const auto *header = qobject_cast<const QHeaderView *>(w)) {
            const auto *view = qobject_cast<const QAbstractScrollArea *>(header->parentWidget());
            if (header->orientation() == Qt::Horizontal && view
                && header->length() > view->viewport()->width() + 1)
                misfits << QStringLiteral("%1's columns are %2 wide in %3")
                               .arg(name(view))
                               .arg(header->length())
                               .arg(view->viewport()->width());
        }

        // Icons and a spin box's buttons grow with the text: a picture of the usual size beside
        // larger text is not enlarged by a larger icon size alone.
        if (const auto *button = qobject_cast<const QAbstractButton *>(w);
            button && !button->icon().isNull()) {
            const QSize icon = button->icon().actualSize(button->iconSize());
            if (icon.height() < metrics.height() * 0.55)
                misfits << QStringLiteral("%1's icon is %2 pixels beside %3-pixel text")
                               .arg(name(w))
                               .arg(icon.height())
                               .arg(metrics.height());
        }
        if (const auto *spin = qobject_cast<const QAbstractSpinBox *>(w);
            spin && spin->buttonSymbols() != QAbstractSpinBox::NoButtons) {
            QStyleOptionSpinBox option;
            option.initFrom(spin);
            option.frame = spin->hasFrame();
            option.buttonSymbols = spin->buttonSymbols();
            option.subControls = QStyle::SC_SpinBoxFrame | QStyle::SC_SpinBoxEditField
                | QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
            const QRect up = spin->style()->subControlRect(
                QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, spin);
            if (up.width() < metrics.height() * 0.55)
                misfits << QStringLiteral("%1's buttons are %2 pixels wide beside %3-pixel text")
                               .arg(name(w))
                               .arg(up.width())
                               .arg(metrics.height());
        }

        if (qobject_cast<const QCheckBox *>(w) || qobject_cast<const QRadioButton *>(w)) {
            const bool check = qobject_cast<const QCheckBox *>(w);
            const int indicator = w->style()->pixelMetric(
                check ? QStyle::PM_IndicatorHeight : QStyle::PM_ExclusiveIndicatorHeight, nullptr,
                w);
            if (indicator < metrics.height() * 0.55)
                misfits << QStringLiteral("%1's indicator is %2 pixels beside %3-pixel text")
                               .arg(name(w))
                               .arg(indicator)
                               .arg(metrics.height());
        }
    }
    return misfits;
}
