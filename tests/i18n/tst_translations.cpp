// SPDX-License-Identifier: GPL-3.0-or-later
// Tests of the translations: the embedded files load, fixed texts translate as required, and the sources are complete.
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct TsMessage
{
    QString context, source, translation;
    QString type; // "unfinished", "obsolete", "vanished" or empty
};

// The messages of a translation source file. Plural forms (child elements of a translation)
// are not read: they show as an error.
QList<TsMessage> ReadTs(const QString &code, QString *error)
{
    QList<TsMessage> messages;
    QFile file(QStringLiteral(FIELDSHOT_TS_DIR "/fieldshot_%1.ts").arg(code));
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot open ") + file.fileName();
        return messages;
    }
    QXmlStreamReader xml(&file);
    TsMessage m;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            m.context = xml.readElementText();
        } else if (xml.name() == QLatin1String("source")) {
            m.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            m.type = xml.attributes().value(QLatin1String("type")).toString();
            m.translation = xml.readElementText();
            messages << m;
        }
    }
    if (xml.hasError())
        *error = file.fileName() + QStringLiteral(": ") + xml.errorString();
    return messages;
}

// Context and source of every message, sorted.
QStringList MessageKeys(const QList<TsMessage> &messages)
{
    QStringList keys;
    for (const TsMessage &m : messages)
        keys << m.context + QLatin1Char('\n') + m.source;
    keys.sort();
    return keys;
}

// The argument markers of QString::arg and of plural texts, sorted: their order may change between languages.
QStringList Placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%L?\\d{1,2}|%n"));
    QStringList found;
    auto it = marker.globalMatch(text);
    while (it.hasNext())
        found << it.next().captured();
    found.sort();
    return found;
}

// The spaces around a text: texts that get a number or a name appended rely on them.
QString OuterSpaces(const QString &text)
{
    static const QRegularExpression outer(QStringLiteral("^(\\s*).*?(\\s*)$"), QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = outer.match(text);
    return m.captured(1) + QLatin1Char('|') + m.captured(2);
}

const QStringList languages{QStringLiteral("de"), QStringLiteral("en"), QStringLiteral("fr"), QStringLiteral("es")};

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // The compiled translations live in a static library: their resource must be registered by hand.
        Q_INIT_RESOURCE(translations);
        for (const QString &code : languages) {
            QString error;
            tsFiles[code] = ReadTs(code, &error);
            QVERIFY2(error.isEmpty() && !tsFiles[code].isEmpty(), qPrintable(code + QLatin1Char(' ') + error));
        }
    }

    void languageFiles_data()
    {
        QTest::addColumn<QString>("code");
        for (const QString &code : languages)
            QTest::newRow(qPrintable(code)) << code;
    }

    void languageFiles()
    {
        QFETCH(QString, code);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":Gui/fieldshot_") + code));
        QCOMPARE(translator.language(), code);
        // The same messages as the German sources, each once.
        const QStringList keys = MessageKeys(tsFiles.value(code));
        QCOMPARE(keys, MessageKeys(tsFiles.value(QStringLiteral("de"))));
        QCOMPARE(QSet<QString>(keys.begin(), keys.end()).size(), keys.size());

        for (const TsMessage &m : tsFiles.value(code)) {
            const QString &t = m.translation;
            const QString where = code + QStringLiteral(" ") + m.context + QStringLiteral(" \"") + m.source + QStringLiteral("\"");
            // lrelease leaves out unfinished messages, so the program would show the German text.
            QVERIFY2(m.type.isEmpty(), qPrintable(where + QStringLiteral(" is ") + m.type));
            QVERIFY2(!t.isEmpty(), qPrintable(where + QStringLiteral(" has no translation")));
            // Every message reaches the compiled translation the program loads.
            QCOMPARE(translator.translate(m.context.toUtf8().constData(), m.source.toUtf8().constData()), t);
            QVERIFY2(Placeholders(t) == Placeholders(m.source), qPrintable(where + QStringLiteral(" loses a placeholder: ") + t));
            QVERIFY2(OuterSpaces(t) == OuterSpaces(m.source),
                     qPrintable(where + QStringLiteral(" changes its outer spaces: \"") + t + QStringLiteral("\"")));
            // The window is compact: a translation far longer than its source will not fit its button.
            QVERIFY2(t.size() <= 2 * m.source.size() + 6, qPrintable(where + QStringLiteral(" is too long: ") + t));
            // The source texts are German: the German file carries them unchanged.
            if (code == QLatin1String("de"))
                QCOMPARE(t, m.source);
        }
    }

    // The English texts the program is known by; the other languages carry the same messages.
    void fixedTexts_data()
    {
        QTest::addColumn<QString>("context");
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("english");
        const auto row = [](const char *context, const QString &source, const char *english) {
            QTest::addRow("%s %s", context, qPrintable(source)) << QString::fromLatin1(context) << source << QString::fromUtf8(english);
        };
        const char *mw = "MainWindow";
        const char *pdf = "FormTargetPDFTool";
        row(mw, "Fullscr.", "full scr.");
        row(mw, "Fullscreen", "Fullscreen");
        row(mw, "Cam 2 Settings", "camera settings");
        row(mw, "Add RectTarget", "Add Rect Target");
        row(mw, "Corrected Rings", "Corrected Targets");
        row(mw, "Generate Target", "Generate Targets");
        row(mw, "Es darf nur ein Korrekturziel geben.", "There could be only one target for corrected rings.");
        row(mw, "Anzeige", "Display");
        row(mw, "Bildziel", "image target");
        row(mw, QStringLiteral("Anzeigebild Auswählen"), "select display target");
        row(mw, "Bearbeiten Beenden", "finish editing");
        row(mw, "Zielscheibe", "Targets");
        row(pdf, "Zielscheibengenerator", "Targets generator");
        row(pdf, "Positionskreuze", "fiducial markers");
        row(pdf, QStringLiteral("Durchmesser Außenkreis"), "outer circle diameter");
    }

    void fixedTexts()
    {
        QFETCH(QString, context);
        QFETCH(QString, source);
        QFETCH(QString, english);
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":Gui/fieldshot_en")));
        QCOMPARE(translator.translate(context.toUtf8().constData(), source.toUtf8().constData()), english);
    }

private:
    QMap<QString, QList<TsMessage>> tsFiles;
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
