#include <QtTest>
#include <optional>

#include "entry/RowFields.h"
#include "model/EntryRows.h"

using namespace isobra;

Q_DECLARE_METATYPE(isobra::RowKind)

namespace {

QString Q(const std::string& utf8) { return QString::fromStdString(utf8); }

// Rows come from the builders the forms and the file loader use, so a change
// of their widths shows here.
QString Typed(const LandRowTexts& texts) { return Q(LandRow(texts, kTypedNameWidth)); }

QString Rebuilt(const std::string& name, const LandReport& report) {
    ObservationSet set;
    set.stationName(0) = name;
    set.land(0) = report;
    return Q(LandRowFromData(set, 0, LandWeather::Always));
}

}  // namespace

class RowFieldsTest : public QObject {
    Q_OBJECT

private slots:
    // An empty field list: the row fits no layout and is drawn as it stands.
    void split_data() {
        QTest::addColumn<RowKind>("kind");
        QTest::addColumn<QString>("row");
        QTest::addColumn<QStringList>("fields");
        const QString calm = Q(std::string(kCalmDirection));

        QTest::newRow("land typed, calm")
            << RowKind::Land << Typed({"那覇", std::string(kCalmDirection), "0", "", "0", "0"})
            << QStringList{"那覇", calm, "0", "", "0", "0"};
        QTest::newRow("land rebuilt, katakana, frost") << RowKind::Land << Rebuilt("ﾎﾟﾛﾅｲｽｸ", {14, 5, 4, 1002, -12})
                                                       << QStringList{"ﾎﾟﾛﾅｲｽｸ", "北東", "5", "雪", "1002", "-12"};
        // As long as a typed row, and rightly split as one.
        QTest::newRow("land rebuilt, name of 10")
            << RowKind::Land << Rebuilt("カムチャツカ半島南部", {0, 2, 1, 1010, 3})
            << QStringList{"カムチャツカ半島南部", "北", "2", "晴れ", "1010", "3"};
        QTest::newRow("ship typed") << RowKind::Ship << Q(ShipRow({"34", "135", "南南西", "12", "みぞれ", "1008"}))
                                    << QStringList{"34", "135", "南南西", "12", "みぞれ", "1008"};
        QTest::newRow("ship rebuilt, calm") << RowKind::Ship << Q(ShipRowFromData({40, 136, 3, 0, -1, 996}))
                                            << QStringList{"40", "136", calm, "0", "", "996"};
        QTest::newRow("fishery typed front point")
            << RowKind::Fishery << Q(FisheryRow("38", "145", kTypedLongitudeWidth, "", "温暖前線"))
            << QStringList{"38", "145", "", "温暖前線"};
        QTest::newRow("fishery marker") << RowKind::Fishery << Q(MarkerRow({"中心から", 44, 150, 0}))
                                        << QStringList{"44", "150", "", "中心から"};
        QTest::newRow("fishery rebuilt high") << RowKind::Fishery << Q(FisheryRowFromData({"高気圧", 45, 110, 1044}))
                                              << QStringList{"45", "110", "1044", "高気圧"};
        // Its longitude reaches one character into the typed layout's pressure.
        QTest::newRow("fishery rebuilt marker") << RowKind::Fishery << Q(FisheryRowFromData({"そこから", 44, 150, 0}))
                                                << QStringList{"44", "150", "", "そこから"};

        QTest::newRow("bare station name") << RowKind::Land << QStringLiteral("石垣島") << QStringList{};
        // A temperature the scroll control already showed keeps its decimals.
        QTest::newRow("land typed, temperature 12.5")
            << RowKind::Land << Typed({"石垣島", "北", "3", "晴れ", "1013", "12.5"}) << QStringList{};
        // Two characters too many make a rebuilt row as long as a typed one.
        QTest::newRow("land rebuilt, grown by two")
            << RowKind::Land << Rebuilt("那覇", {0, 3, 1, 10000, 100}) << QStringList{};
        QTest::newRow("ship longitude 10000")
            << RowKind::Ship << Q(ShipRowFromData({34, 10000, 0, 3, 1, 1013})) << QStringList{};
        QTest::newRow("fishery pressure 100000")
            << RowKind::Fishery << Q(FisheryRowFromData({"高気圧", 40, 140, 100000})) << QStringList{};
    }
    void split() {
        QFETCH(RowKind, kind);
        QFETCH(QString, row);
        QFETCH(QStringList, fields);
        QCOMPARE(SplitRowFields(kind, row).value_or(QStringList{}), fields);
    }
};

QTEST_MAIN(RowFieldsTest)
#include "RowFieldsTest.moc"
