// The map as GeoJSON: the example from the tool and from the window, read by
// Qt's JSON reader and by GDAL.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include "app/Commands.h"
#include "app/MainWindow.h"
#include "map/InverseProjection.h"
#include "support/MainWindowFixture.h"
#include "support/TestFiles.h"

using isobra::test::kExample;
using isobra::test::ReadAll;

namespace {

int RunTool(const QString& program, const QStringList& args, QByteArray* out = nullptr) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit) return -1;
    if (out) *out = p.readAllStandardOutput();
    return p.exitCode();
}

// Each kind's geometry and the properties it may carry.
const QMap<QString, QPair<QString, QStringList>> kKinds = {
    {"isobar", {"LineString", {"pressure_hpa"}}},
    {"cold", {"LineString", {"name_ja"}}},
    {"warm", {"LineString", {"name_ja"}}},
    {"high", {"Point", {"name_ja", "pressure_hpa"}}},
    {"low", {"Point", {"name_ja", "pressure_hpa"}}},
    {"station",
     {"Point",
      {"name_ja", "wind_direction_deg", "wind_force", "weather_code", "weather_ja", "pressure_hpa", "temperature_c"}}},
    {"ship", {"Point", {"wind_direction_deg", "wind_force", "weather_code", "weather_ja", "pressure_hpa"}}},
};

}  // namespace

class GeoJsonOutputTest : public QObject, protected isobra::test::MainWindowFixture {
    Q_OBJECT

private slots:
    void cleanup() { DestroyWindow(); }

    // The example through the tool: every feature has its kind's geometry
    // and properties and lies on the map square; GDAL reads as many
    // features over the same extent.
    void theExampleIsAFeatureCollectionGdalReads() {
        CreateWindowWithFolder();
        const QString path = folder_->filePath("winter.geojson");
        QCOMPARE(RunTool(ISOBRA_RENDER, {kExample, "--geojson", path}), 0);
        const QJsonObject collection = QJsonDocument::fromJson(ReadAll(path)).object();
        QCOMPARE(collection.value("type").toString(), QStringLiteral("FeatureCollection"));
        const QJsonArray features = collection.value("features").toArray();
        QMap<QString, int> counts;
        double extent[] = {180, 90, -180, -90};  // west, south, east, north
        for (const QJsonValue& value : features) {
            const QJsonObject properties = value["properties"].toObject();
            const QString kind = properties.value("kind").toString();
            QVERIFY2(kKinds.contains(kind), qPrintable(kind));
            ++counts[kind];
            for (const QString& name : properties.keys())
                QVERIFY2(name == "kind" || kKinds[kind].second.contains(name), qPrintable(kind + " " + name));
            const QJsonObject geometry = value["geometry"].toObject();
            QCOMPARE(geometry.value("type").toString(), kKinds[kind].first);
            QJsonArray positions = geometry.value("coordinates").toArray();
            if (kKinds[kind].first == "Point") positions = QJsonArray{QJsonValue(positions)};
            QVERIFY(positions.size() >= (kKinds[kind].first == "Point" ? 1 : 2));
            for (const QJsonValue& p : positions) {
                const double lon = p[0].toDouble(), lat = p[1].toDouble();
                const auto at = isobra::ProjectPrecisely(lat, lon < 0 ? lon + 360 : lon);
                QVERIFY2(
                    p.toArray().size() == 2 && at && at->x > -0.5 && at->x < 400.5 && at->y > -0.5 && at->y < 400.5,
                    qPrintable(QStringLiteral("%1 %2").arg(lon).arg(lat)));
                extent[0] = std::min(extent[0], lon), extent[1] = std::min(extent[1], lat);
                extent[2] = std::max(extent[2], lon), extent[3] = std::max(extent[3], lat);
            }
            if (kind == "isobar") QCOMPARE(std::fmod(properties.value("pressure_hpa").toDouble(), 2.0), 0.0);
        }
        const QMap<QString, int> reported = {{"station", 54}, {"ship", 4}, {"high", 1},
                                             {"low", 1},      {"cold", 1}, {"warm", 1}};
        for (auto it = reported.begin(); it != reported.end(); ++it) QCOMPARE(counts.value(it.key()), it.value());
        QVERIFY(counts.value("isobar") > 10);

        QByteArray summary;
        QCOMPARE(RunTool("ogrinfo", {"-ro", "-al", "-so", path}, &summary), 0);
        const QString text = QString::fromUtf8(summary);
        QVERIFY2(text.contains(QStringLiteral("Feature Count: %1\n").arg(features.size())), qPrintable(text));
        const QRegularExpressionMatch m =
            QRegularExpression(R"(Extent: \(([-\d.]+), ([-\d.]+)\) - \(([-\d.]+), ([-\d.]+)\))").match(text);
        QVERIFY2(m.hasMatch(), qPrintable(text));
        for (int i = 0; i < 4; ++i)
            QVERIFY2(std::fabs(m.captured(i + 1).toDouble() - extent[i]) < 1e-6, qPrintable(text));

        // "地図を画像で保存" as GeoJSON writes the same for the same map.
        QVERIFY(window_->commands().files.OpenObservationFile(kExample));
        window_->menuAction("cntTouatu2")->trigger();
        prompts_->fileAnswers = {folder_->filePath("map")};
        prompts_->patternAnswers = {3};  // "*.geojson"
        window_->menuAction("cntTizuHozon")->trigger();
        QCOMPARE(ReadAll(folder_->filePath("map.geojson")), ReadAll(path));
    }

    // A saved isobar file holds the grid and the items, not the observations.
    void anIsobarFileGivesItsIsobarsFrontsAndCentres() {
        CreateWindowWithFolder();
        const QString path = folder_->filePath("isobars.geojson");
        QCOMPARE(RunTool(ISOBRA_RENDER, {"--isobars", ISOBRA_TEST_DATA "/winter-isobars.cnt", "--geojson", path}), 0);
        const QByteArray bytes = ReadAll(path);
        for (const char* kind : {"isobar", "high", "low", "cold", "warm"})
            QVERIFY2(bytes.contains(QByteArray("\"kind\":\"") + kind + '"'), kind);
        QVERIFY(!bytes.contains("\"kind\":\"station\""));
    }
};

QTEST_MAIN(GeoJsonOutputTest)
#include "GeoJsonOutputTest.moc"
