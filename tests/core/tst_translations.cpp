// SPDX-FileCopyrightText: 2026 freqcounter developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <algorithm>

using namespace freqcounter;

namespace {

struct Message
{
    QString context;
    QString source;
    QString translation;
    bool finished = false;
};

// The messages of a Qt Linguist file, as lupdate and translators leave them.
QList<Message> readTs(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            message = Message{context, {}, {}, false};
        } else if (xml.name() == u"source") {
            message.source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            const QStringView type = xml.attributes().value(QLatin1StringView("type"));
            message.finished = type.isEmpty();
            message.translation = xml.readElementText();
            messages.append(message);
        }
    }
    return xml.hasError() ? QList<Message>{} : messages;
}

QString tsPath(const char *language)
{
    return QStringLiteral(FREQCOUNTER_SOURCE_DIR "/data/translations/freqcounter_%1.ts")
            .arg(QLatin1StringView(language));
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("%L?(\\d+|n)"));
    QStringList found;
    for (const QRegularExpressionMatch &match : placeholder.globalMatch(text))
        found.append(match.captured(1));
    found.sort();
    found.removeDuplicates();
    return found;
}

// "&File" marks F; "&&" is a plain ampersand, and "COM & LPT" marks nothing.
qsizetype accelerators(QString text)
{
    static const QRegularExpression accelerator(QStringLiteral("&\\w"),
                                                QRegularExpression::UseUnicodePropertiesOption);
    text.replace(QStringLiteral("&&"), QString());
    qsizetype count = 0;
    for (QRegularExpressionMatchIterator it = accelerator.globalMatch(text); it.hasNext();
         it.next())
        ++count;
    return count;
}

} // namespace

// Each language's file against the texts of the sources and against the
// English; the language chosen by the locale, before Qt starts and after.
class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyTextTranslated_data();
    void everyTextTranslated();
    void translationAgrees_data();
    void translationAgrees();
    void languageChosen_data();
    void languageChosen();
    void installedForTr();

private:
    // The texts of the sources, as lupdate finds them now.
    QList<Message> m_sources;
};

void TestTranslations::initTestCase()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString ts = dir.filePath(QStringLiteral("now.ts"));
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(QStringLiteral(FREQCOUNTER_LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral(FREQCOUNTER_SOURCE_DIR "/src"), QStringLiteral("-ts"), ts});
    QVERIFY(lupdate.waitForFinished(120'000));
    QCOMPARE(lupdate.exitCode(), 0);
    m_sources = readTs(ts);
    // Hundreds of texts: a handful would mean lupdate read little of src/.
    QVERIFY2(m_sources.size() > 300, qPrintable(QString::number(m_sources.size())));
}

void TestTranslations::everyTextTranslated_data()
{
    QTest::addColumn<QString>("language");
    for (const char *language : Translations::kLanguages)
        QTest::newRow(language) << QString::fromLatin1(language);
}

void TestTranslations::everyTextTranslated()
{
    QFETCH(QString, language);
    const QList<Message> messages = readTs(tsPath(qPrintable(language)));
    QVERIFY(!messages.isEmpty());
    QStringList missing;
    for (const Message &text : std::as_const(m_sources)) {
        const auto found = std::find_if(messages.cbegin(), messages.cend(), [&](const Message &m) {
            return m.context == text.context && m.source == text.source;
        });
        if (found == messages.cend())
            missing.append(text.context + QStringLiteral(": not in the file: ") + text.source);
        else if (!found->finished || found->translation.trimmed().isEmpty())
            missing.append(text.context + QStringLiteral(": untranslated: ") + text.source);
    }
    QVERIFY2(missing.isEmpty(),
             qPrintable(missing.join(u'\n')
                        + QStringLiteral("\n(run scripts/translations, then "
                                         "translate: docs/translations.md)")));
}

void TestTranslations::translationAgrees_data()
{
    everyTextTranslated_data();
}

void TestTranslations::translationAgrees()
{
    QFETCH(QString, language);
    // The display's own texts stay as they are in every language.
    const QStringList kept{QStringLiteral("2GHz Frequency counter"), QStringLiteral("Com1"),
                           QStringLiteral("Com2"), QStringLiteral(" MHz")};
    QStringList wrong;
    const QList<Message> messages = readTs(tsPath(qPrintable(language)));
    for (const Message &m : messages) {
        if (!m.finished)
            continue;
        const QString which = m.context + QStringLiteral(": ") + m.source + QStringLiteral(" -> ")
                + m.translation + QStringLiteral(": ");
        if (placeholders(m.source) != placeholders(m.translation))
            wrong.append(which + QStringLiteral("placeholders differ"));
        if (accelerators(m.source) != accelerators(m.translation))
            wrong.append(which + QStringLiteral("accelerators differ"));
        for (const QString &text : kept) {
            if (m.source.count(text) != m.translation.count(text))
                wrong.append(which + QStringLiteral("'%1' not kept").arg(text));
        }
        if (m.source == QStringLiteral("Waiting") && m.translation != m.source)
            wrong.append(which + QStringLiteral("'Waiting' not kept"));
        if (m.source.endsWith(u'\n') != m.translation.endsWith(u'\n')
            || m.source.startsWith(u' ') != m.translation.startsWith(u' ')
            || m.source.endsWith(u' ') != m.translation.endsWith(u' ')) {
            wrong.append(which + QStringLiteral("spaces or line ends at its ends differ"));
        }
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u'\n')));
}

void TestTranslations::languageChosen_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("help"); // "show this help and exit", as it reads

    QTest::newRow("German") << "de_DE"
                            << "de"
                            << "";
    QTest::newRow("German of Austria") << "de_AT"
                                       << "de"
                                       << "";
    QTest::newRow("French") << "fr_FR"
                            << "fr"
                            << "";
    QTest::newRow("Spanish of Mexico") << "es_MX"
                                       << "es"
                                       << "";
    QTest::newRow("Japanese") << "ja_JP"
                              << "ja"
                              << "";
    QTest::newRow("English") << "en_US"
                             << ""
                             << "show this help and exit";
    QTest::newRow("a language not translated") << "pt_BR"
                                               << ""
                                               << "show this help and exit";
    QTest::newRow("C") << "C"
                       << ""
                       << "show this help and exit";
}

void TestTranslations::languageChosen()
{
    QFETCH(QString, locale);
    QFETCH(QString, language);
    QFETCH(QString, help);
    const QString loaded
            = Translations::load(QLocale(locale), {QStringLiteral(FREQCOUNTER_TRANSLATIONS_DIR)});
    QCOMPARE(loaded.section(u'_', 0, 0), language);
    const QString text = Translations::translate("CommandLine", "show this help and exit");
    if (help.isEmpty()) {
        // The language's own, from its file.
        const QList<Message> messages = readTs(tsPath(qPrintable(language)));
        const auto found = std::find_if(messages.cbegin(), messages.cend(), [](const Message &m) {
            return m.context == u"CommandLine" && m.source == u"show this help and exit";
        });
        QVERIFY(found != messages.cend());
        QCOMPARE(text, found->translation);
    } else {
        QCOMPARE(text, help);
    }
}

void TestTranslations::installedForTr()
{
    QVERIFY(!Translations::load(QLocale(QStringLiteral("de_DE")),
                                {QStringLiteral(FREQCOUNTER_TRANSLATIONS_DIR)})
                     .isEmpty());
    const QString before = QCoreApplication::translate("CommandLine", "show this help and exit");
    Translations::install();
    const QString after = QCoreApplication::translate("CommandLine", "show this help and exit");
    QCOMPARE(before, QStringLiteral("show this help and exit"));
    QCOMPARE(after, Translations::translate("CommandLine", "show this help and exit"));
    QVERIFY(after != before);
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
