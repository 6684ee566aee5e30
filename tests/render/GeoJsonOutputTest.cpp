// The map as GeoJSON: the example from the tool and from the window, read by
// Qt's JSON reader and by GDAL.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <limits>

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

// The properties each kind of feature has always, and those it may have.
struct KindProperties {
    QSet<QString> always, maybe;
    QString geometry;
};
const QMap<QString, KindProperties> kKinds = {
    {"isobar", {{"kind", "pressure_hpa"}, {}, "LineString"}},
    {"cold", {{"kind", "name_ja"}, {}, "LineString"}},
    {"warm", {{"kind", "name_ja"}, {}, "LineString"}},
    {"stationary", {{"kind", "name_ja"}, {}, "LineString"}},
    {"occluded", {{"kind", "name_ja"}, {}, "LineString"}},
    {"high", {{"kind", "name_ja"}, {"pressure_hpa"}, "Point"}},
    {"low", {{"kind", "name_ja"}, {"pressure_hpa"}, "Point"}},
    {"typhoon", {{"kind", "name_ja"}, {"pressure_hpa"}, "Point"}},
    {"station",
     {{"kind", "name_ja", "wind_force", "temperature_c"},
      {"wind_direction_deg", "weather_code", "weather_ja", "pressure_hpa"},
      "Point"}},
    {"ship", {{"kind", "wind_force"}, {"wind_direction_deg", "weather_code", "weather_ja", "pressure_hpa"}, "Point"}},
};

struct Extent {
    double west = std::numeric_limits<double>::infinity(), south = west, east = -west, north = -west;
};

}  // namespace

class GeoJsonOutputTest : public QObject, protected isobra::test::MainWindowFixture {
    Q_OBJECT

private slots:
    void cleanup() { DestroyWindow(); }

    // The example through the tool: a FeatureCollection whose every feature
    // has the geometry and the properties of its kind and lies on the map
    // square; GDAL reads as many features over the same extent.
    void theExampleIsAFeatureCollectionGdalReads() {
        QTemporaryDir dir;
        const QString path = dir.filePath("winter.geojson");
        QCOMPARE(RunTool(ISOBRA_RENDER, {kExample, "--geojson", path}), 0);
        const QJsonDocument doc = QJsonDocument::fromJson(ReadAll(path));
        QCOMPARE(doc.object().value("type").toString(), QStringLiteral("FeatureCollection"));
        const QJsonArray features = doc.object().value("features").toArray();
        QMap<QString, int> counts;
        Extent extent;
        for (const QJsonValue& value : features) {
            const QJsonObject feature = value.toObject();
            QCOMPARE(feature.value("type").toString(), QStringLiteral("Feature"));
            const QJsonObject properties = feature.value("properties").toObject();
            const QString kind = properties.value("kind").toString();
            QVERIFY2(kKinds.contains(kind), qPrintable(kind));
            ++counts[kind];
            const KindProperties& expected = kKinds[kind];
            const QStringList names = properties.keys();
            const QSet<QString> keys(names.begin(), names.end());
            QVERIFY2(keys.contains(expected.always) && (expected.always + expected.maybe).contains(keys),
                     qPrintable(kind + ": " + names.join(',')));
            const QJsonObject geometry = feature.value("geometry").toObject();
            QCOMPARE(geometry.value("type").toString(), expected.geometry);
            QJsonArray positions = geometry.value("coordinates").toArray();
            if (expected.geometry == "Point") positions = QJsonArray{QJsonValue(positions)};
            QVERIFY(positions.size() >= (expected.geometry == "Point" ? 1 : 2));
            for (const QJsonValue& p : positions) {
                const double lon = p.toArray().at(0).toDouble(), lat = p.toArray().at(1).toDouble();
                QCOMPARE(p.toArray().size(), 2);
                // On the map square, as the map projects it.
                const auto at = isobra::ProjectPrecisely(lat, lon < 0 ? lon + 360 : lon);
                QVERIFY2(at && at->x > -0.5 && at->x < 400.5 && at->y > -0.5 && at->y < 400.5,
                         qPrintable(QStringLiteral("%1 %2").arg(lon).arg(lat)));
                extent = {std::min(extent.west, lon), std::min(extent.south, lat), std::max(extent.east, lon),
                          std::max(extent.north, lat)};
            }
            if (kind == "isobar")  // every 2 hPa
                QCOMPARE(std::fmod(properties.value("pressure_hpa").toDouble(), 2.0), 0.0);
        }
        // 54 stations and 4 ships reported; a high, a low, a cold and a warm front.
        QCOMPARE(counts.value("station"), 54);
        QCOMPARE(counts.value("ship"), 4);
        QCOMPARE(counts.value("high"), 1);
        QCOMPARE(counts.value("low"), 1);
        QCOMPARE(counts.value("cold"), 1);
        QCOMPARE(counts.value("warm"), 1);
        QVERIFY(counts.value("isobar") > 10);

        QByteArray summary;
        QCOMPARE(RunTool("ogrinfo", {"-ro", "-al", "-so", path}, &summary), 0);
        const QString text = QString::fromUtf8(summary);
        QVERIFY2(text.contains(QStringLiteral("Feature Count: %1\n").arg(features.size())), qPrintable(text));
        const QRegularExpressionMatch m =
            QRegularExpression(R"(Extent: \(([-\d.]+), ([-\d.]+)\) - \(([-\d.]+), ([-\d.]+)\))").match(text);
        QVERIFY2(m.hasMatch(), qPrintable(text));
        const double gdal[] = {m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                               m.captured(4).toDouble()};
        const double ours[] = {extent.west, extent.south, extent.east, extent.north};
        for (int i = 0; i < 4; ++i) QVERIFY2(std::fabs(gdal[i] - ours[i]) < 1e-6, qPrintable(text));
    }

    // "地図を画像で保存" as GeoJSON writes what the tool writes for the
    // same map, and a saved isobar file gives its isobars, fronts and centres.
    void theWindowSavesWhatTheToolWrites() {
        CreateWindowWithFolder();
        QVERIFY(window_->commands().files.OpenObservationFile(kExample));
        window_->menuAction("cntTouatu2")->trigger();
        prompts_->fileAnswers = {folder_->filePath("map")};
        prompts_->patternAnswers = {3};
        window_->menuAction("cntTizuHozon")->trigger();
        QCOMPARE(prompts_->fileRequests.at(0).patternChoices.value(3), QStringLiteral("*.geojson"));
        const QString tool = folder_->filePath("tool.geojson");
        QCOMPARE(RunTool(ISOBRA_RENDER, {kExample, "--geojson", tool}), 0);
        QCOMPARE(ReadAll(folder_->filePath("map.geojson")), ReadAll(tool));

        const QString fromIsobars = folder_->filePath("isobars.geojson");
        QCOMPARE(RunTool(ISOBRA_RENDER,
                         {"--isobars", QStringLiteral(ISOBRA_TEST_DATA "/winter-isobars.cnt"), "--geojson", fromIsobars}),
                 0);
        const QByteArray bytes = ReadAll(fromIsobars);
        for (const char* kind : {"isobar", "high", "low", "cold", "warm"})
            QVERIFY2(bytes.contains(QByteArray("\"kind\":\"") + kind + '"'), kind);
        QVERIFY(!bytes.contains("\"kind\":\"station\""));  // an isobar file holds no observations
    }
};

QTEST_MAIN(GeoJsonOutputTest)
#include "GeoJsonOutputTest.moc"
