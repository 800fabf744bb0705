// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"
#include "messageboxreporter.h"
#include "runtime.h"
#include "windowtesting.h"

#include <QAccessible>
#include <QFontInfo>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <cmath>

using namespace freqcounter;
using freqcounter::test::kWaiting;
using freqcounter::test::RecordingReporter;

// The window as its definition makes it, and the error box: nothing here
// opens a port, so it runs wherever the program does.
class TestWindowLook : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void itemsFromTheDefinition_data();
    void itemsFromTheDefinition();
    void windowGeometry();
    void displayFieldLook();
    void startsOnComOneAndTabsToComTwo();
    void errorBoxSaysWhatWentWrong();

private:
    template<typename T>
    T *item(const char *name)
    {
        return test::item<T>(m_form.get(), name);
    }

    QList<RuntimeError> m_errors;
    std::unique_ptr<Runtime> m_runtime;
    std::unique_ptr<Form1> m_form;
};

void TestWindowLook::init()
{
    m_runtime = std::make_unique<Runtime>(std::make_unique<RecordingReporter>(m_errors));
    m_form = std::make_unique<Form1>(*m_runtime);
}

void TestWindowLook::cleanup()
{
    m_form.reset();
    m_runtime.reset();
}

void TestWindowLook::itemsFromTheDefinition_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("pixels");

    QTest::newRow("Option1") << QStringLiteral("Option1") << QStringLiteral("QRadioButton")
                             << QStringLiteral("Com1") << QRect(40, 64, 57, 17);
    QTest::newRow("Option2") << QStringLiteral("Option2") << QStringLiteral("QRadioButton")
                             << QStringLiteral("Com2") << QRect(144, 64, 57, 17);
    QTest::newRow("Label1") << QStringLiteral("Label1") << QStringLiteral("QLabel") << kWaiting
                            << QRect(8, 8, 233, 49);
}

void TestWindowLook::itemsFromTheDefinition()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, text);
    QFETCH(QRect, pixels);

    auto *widget = m_form->findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), className);
    QCOMPARE(widget->property("text").toString(), text);
    QCOMPARE(widget->geometry(), pixels);
}

void TestWindowLook::windowGeometry()
{
    QCOMPARE(m_form->objectName(), QStringLiteral("Form1"));
    QCOMPARE(m_form->windowTitle(), QStringLiteral("2GHz Frequency counter"));
    QCOMPARE(m_form->size(), QSize(249, 83));

    auto *label = item<QLabel>("Label1");
    auto *option2 = item<QRadioButton>("Option2");
    // Resizable, and nothing moves when it is resized.
    QVERIFY(m_form->minimumSize() != m_form->maximumSize());
    const QRect labelBefore = label->geometry();
    m_form->resize(600, 300);
    QCOMPARE(label->geometry(), labelBefore);
    QCOMPARE(option2->geometry(), QRect(144, 64, 57, 17));
}

void TestWindowLook::displayFieldLook()
{
    auto *label = item<QLabel>("Label1");
    QCOMPARE(label->palette().color(QPalette::Window), QColor(64, 0, 64));
    QCOMPARE(label->palette().color(QPalette::WindowText), QColor(192, 255, 192));
    QVERIFY(label->autoFillBackground());

    const QFontInfo font(label->font());
    QVERIFY2(font.family() == QLatin1StringView("Arial")
                     || font.family() == QLatin1StringView("Liberation Sans"),
             qPrintable(font.family()));
    QCOMPARE(label->font().pointSizeF(), 27.75);
    if (label->logicalDpiY() == 96)
        QCOMPARE(font.pixelSize(), 37);
    QCOMPARE(font.weight(), int(QFont::Normal));
    QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());

    QVERIFY(label->alignment() & Qt::AlignHCenter);
    QVERIFY(label->frameShape() != QFrame::NoFrame);
    QCOMPARE(label->lineWidth(), 1);
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QCOMPARE(label->focusPolicy(), Qt::NoFocus);
}

void TestWindowLook::startsOnComOneAndTabsToComTwo()
{
    auto *option1 = item<QRadioButton>("Option1");
    auto *option2 = item<QRadioButton>("Option2");
    QVERIFY(option1->isChecked());
    QVERIFY(!option2->isChecked());
    QCOMPARE(option1->nextInFocusChain(), option2);
}

void TestWindowLook::errorBoxSaysWhatWentWrong()
{
    const RuntimeError error{8001, QStringLiteral("Serial port 1 (/dev/ttyUSB0) does not exist.")};
    const auto box = MessageBoxReporter::createBox(error);
    QCOMPARE(box->windowTitle(), QStringLiteral("2GHz Frequency counter"));
    QCOMPARE(box->text(),
             QStringLiteral("Error 8001: Serial port 1 (/dev/ttyUSB0) does not exist."));
    QCOMPARE(box->icon(), QMessageBox::Critical);

    // A screen reader finds the whole text in the box.
    box->show();
    QAccessibleInterface *dialog = QAccessible::queryAccessibleInterface(box.get());
    QVERIFY(dialog);
    bool found = false;
    for (int i = 0; i < dialog->childCount() && !found; ++i)
        found = dialog->child(i)->text(QAccessible::Name) == box->text();
    QVERIFY(found);
}

QTEST_MAIN(TestWindowLook)
#include "tst_windowlook.moc"
