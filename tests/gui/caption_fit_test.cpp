#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFont>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QRect>
#include <QStyle>
#include <QStyleOptionButton>

#include <string>

#include "model/language_menu.h"
#include "qt/program_view.h"
#include "qt/qt_conversions.h"
#include "shell/language.h"
#include "support/test_app.h"

namespace kugel {
namespace {

// How wide a control's caption is drawn, and how much room the control
// leaves it; 0 room for controls whose text is not checked.
struct Fit {
    int text = 0;
    int room = 0;
};

Fit fitOf(const Component& c, QWidget* w) {
    const QString text = withoutMnemonics(c.caption());
    // A control the window never shows (the manual entry's unused "PP:")
    // has nothing to fit.
    if (text.isEmpty() || !w || !c.visible()) return {};
    const int width = w->fontMetrics().horizontalAdvance(text);
    if (auto* label = qobject_cast<QLabel*>(w)) {
        // Measured at the font the window gives the label, not at the
        // smaller one the view falls back to.
        QFont font =
            c.fontHeight() > 0 ? QFont(QStringLiteral("Arial")) : label->parentWidget()->font();
        if (c.fontHeight() > 0) font.setPixelSize(c.fontHeight());
        font.setBold(static_cast<const Label&>(c).bold());
        const QFontMetrics metrics(font);
        // A label laid out for one line keeps to its designed width; one
        // laid out higher wraps, and its lines must fit its height.
        if (label->wordWrap())
            return {
                metrics.boundingRect(QRect(0, 0, c.bounds().width, 10000), Qt::TextWordWrap, text)
                    .height(),
                c.bounds().height};
        if (c.bounds().height >= 4 * c.bounds().width) return {};  // turned upright
        return {metrics.horizontalAdvance(text), c.bounds().width};
    }
    if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
        QStyleOptionButton option;
        option.initFrom(w);
        const bool check = qobject_cast<QCheckBox*>(w);
        const int indicator = w->style()->pixelMetric(check ? QStyle::PM_IndicatorWidth
                                                            : QStyle::PM_ExclusiveIndicatorWidth,
                                                      &option, w) +
                              w->style()->pixelMetric(check ? QStyle::PM_CheckBoxLabelSpacing
                                                            : QStyle::PM_RadioButtonLabelSpacing,
                                                      &option, w);
        return {indicator + width, w->width()};
    }
    if (auto* group = qobject_cast<QGroupBox*>(w)) return {width, group->width()};
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        if (!button->icon().isNull()) return {};  // the picture gives way to the text
        return {width, button->width()};
    }
    return {};
}

TEST(CaptionFit, EveryShippedLanguageFitsItsControls) {
    test::TestApp t;
    ProgramView view(*t.app);
    TForm1& f = t.form();
    f.Home = std::string(KUGEL_PROGRAM_DATA) + "/";
    for (const Language& l : languages()) {
        SCOPED_TRACE(l.file);
        selectLanguage(f, l.number);
        QApplication::processEvents();
        for (Form* form : t.app->forms())
            for (const auto& owned : form->components()) {
                const Component& c = *owned;
                const Fit fit = fitOf(c, view.widgetFor(c));
                EXPECT_LE(fit.text, fit.room)
                    << form->name() << "." << c.name() << " \"" << c.caption() << "\"";
            }
    }
}

}  // namespace
}  // namespace kugel
