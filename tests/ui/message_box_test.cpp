#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>
#include <functional>

#include "platform/ui/message_box_presenter.h"
#include "platform/ui/qt_translations.h"
#include "platform/ui/testing/ui_harness.h"
#include "platform/ui/ui.h"

namespace platform::ui {
namespace {

struct SeenBox {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons buttons;
  bool onTop = false;
  bool active = false;
  QString yesText;
  QString noText;
  QString shownTitle;  // as the title bar shows it
  QString shownText;   // as the box's label shows it
};

QMessageBox* OpenBox() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* box = qobject_cast<QMessageBox*>(widget); box != nullptr && box->isVisible()) {
      return box;
    }
  }
  return nullptr;
}

QString ButtonText(const QMessageBox& box, QMessageBox::StandardButton which) {
  const QAbstractButton* button = box.button(which);
  return button != nullptr ? button->text() : QString();
}

// Shows the box through the Qt presenter, notes how it looks once it is up and
// presses `answer`; a box that is still open after two seconds is closed.
platform::MsgResult ShowAndAnswer(const platform::MessageBoxCall& call,
                                  QMessageBox::StandardButton answer, SeenBox& seen) {
  QtMessageBoxPresenter presenter;
  QTimer poll;
  int ticks = 0;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    QMessageBox* box = OpenBox();
    if (box == nullptr) {
      return;
    }
    if (++ticks < 3) {
      return;  // let the box settle: raised and activated after it shows
    }
    seen = {box->windowTitle(),
            box->text(),
            box->icon(),
            box->standardButtons(),
            box->windowFlags().testFlag(Qt::WindowStaysOnTopHint),
            box->isActiveWindow(),
            ButtonText(*box, QMessageBox::Yes),
            ButtonText(*box, QMessageBox::No),
            box->windowHandle()->title(),
            testing::LabelShows(*box->findChild<QLabel*>("qt_msgbox_label"))};
    if (QAbstractButton* button = box->button(answer)) {
      button->click();
    } else {
      box->done(QMessageBox::Cancel);
    }
  });
  poll.start(10);
  QTimer::singleShot(2000, [] {
    if (QMessageBox* box = OpenBox()) {
      box->done(QMessageBox::Cancel);
    }
  });
  return presenter.Show(call);
}

TEST(QtMessageBoxes, QuestionWithYesAndNoComesToTheFront) {
  testing::UiHarness harness;
  SetDefaultTitle("Pelvaron Test");
  SeenBox seen;
  const auto result =
      ShowAndAnswer({"Wollen Sie wirklich beenden ?\r\n(Daten)",
                     mb::YesNo | mb::Question | mb::SetForeground, std::string("Titel \xC4")},
                    QMessageBox::Yes, seen);
  EXPECT_EQ(result, MsgResult::Yes);
  EXPECT_EQ(seen.title, QString::fromUtf8("Titel \xC3\x84"));
  EXPECT_EQ(seen.text, "Wollen Sie wirklich beenden ?\n(Daten)");
  EXPECT_EQ(seen.icon, QMessageBox::Question);
  EXPECT_EQ(seen.buttons, QMessageBox::Yes | QMessageBox::No);
  EXPECT_TRUE(seen.onTop);
  EXPECT_TRUE(seen.active);
}

TEST(QtMessageBoxes, PlainBoxCarriesTheDefaultTitleAndOk) {
  testing::UiHarness harness;
  SetDefaultTitle("Pelvaron Test");
  const struct {
    int style;
    QMessageBox::Icon icon;
  } kinds[] = {{mb::Critical, QMessageBox::Critical},
               {mb::Exclamation, QMessageBox::Warning},
               {mb::Information, QMessageBox::Information},
               {mb::OkOnly, QMessageBox::NoIcon}};
  for (const auto& kind : kinds) {
    SeenBox seen;
    EXPECT_EQ(ShowAndAnswer({"Text", kind.style, std::nullopt}, QMessageBox::Ok, seen),
              MsgResult::Ok);
    EXPECT_EQ(seen.title, "Pelvaron Test");
    EXPECT_EQ(seen.icon, kind.icon);
    EXPECT_EQ(seen.buttons, QMessageBox::Ok);
    EXPECT_FALSE(seen.onTop);
  }
  SeenBox seen;
  EXPECT_EQ(ShowAndAnswer({"Text", mb::YesNo, std::nullopt}, QMessageBox::No, seen), MsgResult::No);
}

// A name, a description or a path that looks like markup shows as it stands, in the
// text and in the title; its line breaks stay line breaks.
TEST(QtMessageBoxes, TextAndTitleShowAsTyped) {
  testing::UiHarness harness;
  const struct {
    const char* prompt;
    const char* title;
    const char* shownText;
  } cases[] = {
      {"<b>Alpha</b> and <i>Beta</i> here", "<b>Projektbeschreibung</b>",
       "<b>Alpha</b> and <i>Beta</i> here"},
      {"<SUB> end of file\r\n<del> key", "<SUB> [*]", "<SUB> end of file\n<del> key"},
      {"Datei geladen\r\n/home/a&amp;b/one<br>two.vrx", "&amp; & co",
       "Datei geladen\n/home/a&amp;b/one<br>two.vrx"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.prompt);
    SeenBox seen;
    ShowAndAnswer({c.prompt, mb::Information, std::string(c.title)}, QMessageBox::Ok, seen);
    EXPECT_EQ(seen.shownText, c.shownText);
    EXPECT_EQ(seen.shownTitle, c.title);
  }
}

// Qt's texts for the locale put the buttons in its language; a locale Qt has no texts
// for leaves them English.
TEST(QtMessageBoxes, ButtonsReadInTheLanguageOfTheLoadedQtTexts) {
  testing::UiHarness harness;
  const struct {
    const char* locale;
    bool found;
    const char* yes;
    const char* no;
  } cases[] = {{"de_DE", true, "&Ja", "&Nein"}, {"xx_XX", false, "&Yes", "&No"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.locale);
    EXPECT_EQ(LoadQtTranslations(QLocale(QString::fromLatin1(c.locale))), c.found);
    SeenBox seen;
    EXPECT_EQ(ShowAndAnswer({"Text", mb::YesNo, std::nullopt}, QMessageBox::Yes, seen),
              MsgResult::Yes);
    EXPECT_EQ(seen.yesText, c.yes);
    EXPECT_EQ(seen.noText, c.no);
  }
}

}  // namespace
}  // namespace platform::ui
