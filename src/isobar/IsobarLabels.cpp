#include "isobar/IsobarLabels.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <memory>
#include <optional>

#include "canvas/MapCanvas.h"
#include "isobar/CentreLetters.h"
#include "isobar/GridMath.h"
#include "isobar/LabelledIsobars.h"
#include "isobar/PixelBuckets.h"

namespace isobra {

namespace {

constexpr double kLabelledOpenLength = 120;  // open lines shorter than this get no label
constexpr double kSecondLabelLength = 240;   // lines this long get a second label
constexpr double kStep = 3;                  // candidate places along a line, pixels apart
constexpr double kStraight = 1.5;            // most a stretch may bow on the preferred tries
constexpr double kCrowdReach = 64;           // labels closer than this push each other apart
constexpr double kCrowdWeight = 6;           // the push of a label at distance 0, in pixels of bow

std::size_t At(int i) { return static_cast<std::size_t>(i); }

// A traced segment as the crossing test needs it: its ends, its line and
// the stretch of that line it covers (arc lengths, first lap).
struct SegmentRecord {
    std::int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool thick = false;  // drawn with a second pixel right of it or below it
    int line = -1;
    double arcFrom = 0, arcTo = 0;
};

struct Point {
    double x = 0, y = 0;
};

// sqrt is exact to the last bit everywhere, and far quicker than hypot;
// lengths here are a few hundred pixels, nowhere near overflow.
double Length(double dx, double dy) { return std::sqrt(dx * dx + dy * dy); }

// A line laid out by arc length. A closed line is unrolled three times round
// so that every window about a place in the middle lap lies in one piece.
struct Track {
    std::vector<Point> points;
    std::vector<double> arc;  // arc length at each point
    double length = 0;        // of one lap
    bool closed = false;
};

// A position on a track that only moves forwards, for places visited in
// order along the line: the first point beyond s (or at or beyond it, when
// `reaching`), found by stepping instead of searching.
class Cursor {
public:
    Cursor(const Track& t, bool reaching) : t_(t), reaching_(reaching) {}

    std::size_t Seek(double s) {
        const std::size_t n = t_.arc.size();
        while (k_ < n && (reaching_ ? t_.arc[k_] < s : t_.arc[k_] <= s)) ++k_;
        return k_;
    }
    // The point at arc length s.
    Point At(double s) {
        const std::size_t k = std::clamp<std::size_t>(Seek(s), 1, t_.arc.size() - 1);
        const double span = t_.arc[k] - t_.arc[k - 1];
        const double f = span > 0 ? std::clamp((s - t_.arc[k - 1]) / span, 0.0, 1.0) : 0.0;
        const Point &p = t_.points[k - 1], &q = t_.points[k];
        return {p.x + f * (q.x - p.x), p.y + f * (q.y - p.y)};
    }

private:
    const Track& t_;
    bool reaching_;
    std::size_t k_ = 0;
};

// Walks the places s = from, from + step, ... of a track with the points
// at s - r, s and s + r, and how far the line strays from the chord
// between s - r and s + r (infinite where it folds back on itself).
class Walker {
public:
    Walker(const Track& t, double r)
        : t_(t), r_(r), back_(t, false), centre_(t, false), ahead_(t, false), end_(t, true) {}

    Point Centre(double s) { return centre_.At(s); }
    double Bow(double s) {
        const Point a = back_.At(s - r_), b = ahead_.At(s + r_);
        const double cx = b.x - a.x, cy = b.y - a.y;
        const double chord = Length(cx, cy);
        if (chord < r_) return std::numeric_limits<double>::infinity();
        double most = 0;
        const std::size_t to = end_.Seek(s + r_);
        for (std::size_t k = back_.Seek(s - r_); k < to; ++k) {
            const Point& p = t_.points[k];
            most = std::max(most, std::abs(cx * (p.y - a.y) - cy * (p.x - a.x)));
        }
        return most / chord;
    }

private:
    const Track& t_;
    double r_;
    Cursor back_, centre_, ahead_, end_;
};

Track MakeTrack(const IsobarLine& line) {
    Track t;
    t.closed = line.closed;
    const int laps = line.closed ? 3 : 1;
    const std::size_t n = line.points.size();
    for (int lap = 0; lap < laps; ++lap) {
        for (std::size_t k = lap == 0 ? 0 : 1; k < n; ++k) {
            const Point p{double(line.points[k].x), double(line.points[k].y)};
            const double s =
                t.points.empty() ? 0.0 : t.arc.back() + Length(p.x - t.points.back().x, p.y - t.points.back().y);
            t.points.push_back(p);
            t.arc.push_back(s);
        }
        if (lap == 0) t.length = t.arc.back();
    }
    return t;
}

std::vector<PixelBox> SpansOf(const std::vector<IsobarSegment>& segments) {
    std::vector<PixelBox> out;
    out.reserve(segments.size());
    for (const IsobarSegment& g : segments) out.push_back(PixelBox::Spanning(g.x1, g.y1, g.x2, g.y2));
    return out;
}

// A place on a line that passed every test that does not depend on the
// other labels.
struct Candidate {
    double s = 0;  // arc length along the line (middle lap for a closed line)
    PixelBox box;
    double bow = 0;
};

// A reserved box and whether it is a map line, which a central pressure may
// cross.
struct ReservedRecord {
    PixelBox box;
    bool map = false;
};

class Placer {
public:
    Placer(const std::vector<IsobarSegment>& segments, const std::vector<IsobarLine>& lines,
           const ReservedBoxes& reserved, std::int32_t scale, const LabelStyle& style)
        : lines_(lines), scale_(scale), style_(style), reservedIndex_(IndexOf(reserved)) {
        std::vector<SegmentRecord> records(segments.size());
        for (std::size_t k = 0; k < segments.size(); ++k) {
            const IsobarSegment& g = segments[k];
            records[k] = {g.x1, g.y1, g.x2, g.y2, IsThickLevel(RoundHalfEven(g.level), scale)};
        }
        for (std::size_t i = 0; i < lines.size(); ++i) {
            tracks_.push_back(MakeTrack(lines[i]));
            const Track& t = tracks_.back();
            for (std::size_t j = 0; j < lines[i].segments.size(); ++j) {
                const int s = lines[i].segments[j];
                records[At(s)].line = static_cast<int>(i);
                records[At(s)].arcFrom = t.arc[j];
                records[At(s)].arcTo = t.arc[j + 1];
            }
        }
        segmentIndex_ = std::make_unique<PixelBuckets<SegmentRecord>>(SpansOf(segments), records);
        candidates_.resize(lines.size());
        reach_.resize(lines.size());
        for (std::size_t i = 0; i < lines.size(); ++i)
            if (Wanted(static_cast<int>(i))) FindCandidates(static_cast<int>(i));
    }

    PlacedLabels Place(const std::vector<CentreToLabel>& centres) {
        PlacedLabels out;
        for (const CentreToLabel& centre : centres) PlaceCentralPressure(centre, out.pressures);

        std::vector<int> order;
        for (int i = 0; i < static_cast<int>(lines_.size()); ++i)
            if (Wanted(i)) order.push_back(i);
        // Small rings have the fewest places, so they choose first; then
        // open lines, longest first.
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            const Track &p = tracks_[At(a)], &q = tracks_[At(b)];
            if (p.closed != q.closed) return p.closed;
            return p.closed ? p.length < q.length : p.length > q.length;
        });
        std::vector<int> count(lines_.size(), 0);
        std::vector<double> firstAt(lines_.size(), 0);
        auto first = [&](int i, double most) {
            if (count[At(i)] > 0 || !PlaceOne(i, most, -1)) return;
            ++count[At(i)];
            firstAt[At(i)] = labels_.back().first;
        };
        // A straight stretch; then any stretch.
        for (const int i : order) first(i, kStraight);
        for (const int i : order) first(i, std::numeric_limits<double>::infinity());
        for (const int i : order)
            if (count[At(i)] == 1 && tracks_[At(i)].length >= kSecondLabelLength)
                PlaceOne(i, kStraight, firstAt[At(i)]);

        for (const auto& [s, label] : labels_) out.values.push_back(label);
        return out;
    }

private:
    static PixelBuckets<ReservedRecord> IndexOf(const ReservedBoxes& reserved) {
        std::vector<PixelBox> boxes;
        std::vector<ReservedRecord> records;
        for (const PixelBox& b : reserved.figures) records.push_back({b, false});
        for (const PixelBox& b : reserved.map) records.push_back({b, true});
        for (const ReservedRecord& r : records) boxes.push_back(r.box);
        return PixelBuckets<ReservedRecord>(boxes, records);
    }

    // The first place round the centre's letter that is free and that no
    // isobar runs through, or else the first free one; none when none is
    // free.
    void PlaceCentralPressure(const CentreToLabel& centre, std::vector<CentralPressure>& out) {
        const int w = TextWidth(centre.text, style_.small), h = style_.small.height;
        std::optional<PixelBox> chosen;
        for (const TextPlace& at : CentralPressurePlaces(centre.letter, w, h)) {
            const PixelBox box = TextBox(at, centre.text, style_.small).Grown(1);
            if (!Free(box, centre.letter)) continue;
            if (!CutsALine(-1, box, 0, 0)) {
                chosen = box;
                break;
            }
            if (!chosen) chosen = box;
        }
        if (!chosen) return;
        out.push_back({centre.text, {chosen->x1 + 1, chosen->y1 + 1}});
        placedBoxes_.push_back(*chosen);
    }

    // Whether a central pressure's box lies inside the map square and clear
    // of every figure but its own letter (which its places never overlap)
    // and of every label placed.
    bool Free(const PixelBox& box, const PixelBox& letter) const {
        if (box.x1 < 0 || box.y1 < 0 || box.x2 >= kMapSize || box.y2 >= kMapSize) return false;
        if (reservedIndex_.Any(
                box, [&](const ReservedRecord& r) { return !r.map && r.box != letter && r.box.Overlaps(box); }))
            return false;
        return std::none_of(placedBoxes_.begin(), placedBoxes_.end(),
                            [&](const PixelBox& placed) { return placed.Overlaps(box); });
    }

    bool Wanted(int i) const {
        const Track& t = tracks_[At(i)];
        return t.closed || t.length > kLabelledOpenLength;
    }

    std::string TextOf(int i) const { return PressureText(lines_[At(i)].level, scale_); }

    void FindCandidates(int i) {
        const Track& t = tracks_[At(i)];
        const std::string text = TextOf(i);
        if (text.empty()) return;  // no scale to write the level with
        // A pixel of room round the text; a metric of nothing still makes
        // a box that the line is seen to stop at.
        const int w = std::max(TextWidth(text, style_.small), 1) + 2;
        const int h = std::max(style_.small.height, 1) + 2;
        // Every point of the line inside the box lies within r of the centre.
        const double r = 0.5 * Length(w, h) + 1;
        double from = r, to = t.length - r;
        if (t.closed) {
            if (t.length < 2 * r + 4 * kStep) return;  // the ring is smaller than its label
            from = t.length;
            to = 2 * t.length - kStep / 2;
        }
        Walker walk(t, r);
        for (double s = from; s <= to; s += kStep) {
            const Point c = walk.Centre(s);
            const int x1 = FloorToInt(c.x - w / 2.0 + 0.5), y1 = FloorToInt(c.y - h / 2.0 + 0.5);
            const PixelBox box{x1, y1, x1 + w - 1, y1 + h - 1};
            if (box.x1 < 0 || box.y1 < 0 || box.x2 >= kMapSize || box.y2 >= kMapSize) continue;
            if (reservedIndex_.Any(box, [&](const ReservedRecord& b) { return b.box.Overlaps(box); })) continue;
            if (CutsALine(i, box, s, r)) continue;
            const double bow = walk.Bow(s);
            if (!std::isfinite(bow)) continue;
            candidates_[At(i)].push_back({s, box, bow});
            PixelBox& all = reach_[At(i)];
            all = candidates_[At(i)].size() == 1 ? box
                                                 : PixelBox{std::min(all.x1, box.x1), std::min(all.y1, box.y1),
                                                            std::max(all.x2, box.x2), std::max(all.y2, box.y2)};
        }
    }

    // Whether a line other than the stretch s - r .. s + r of line i lights
    // a pixel in the box, another part of line i counting as another line
    // (i of -1 for no line: any line counts). A line lights the pixels
    // within half a pixel of it, and a thick one those right of them or
    // below them too.
    bool CutsALine(int i, const PixelBox& box, double s, double r) const {
        const PixelBox near{box.x1 - 1, box.y1 - 1, box.x2, box.y2};  // the whole pixels a thick line may be on
        return segmentIndex_->Any(near, [&](const SegmentRecord& g) {
            if (std::max(g.x1, g.x2) < near.x1 || std::min(g.x1, g.x2) > near.x2 || std::max(g.y1, g.y2) < near.y1 ||
                std::min(g.y1, g.y2) > near.y2)
                return false;
            const double reach = g.thick ? 1.5 : 0.5;
            double t0 = 0, t1 = 1;
            if (!ClipSegment(g.x1, g.y1, double(g.x2) - g.x1, double(g.y2) - g.y1, box.x1 - reach, box.y1 - reach,
                             box.x2 + 0.5, box.y2 + 0.5, t0, t1))
                return false;
            if (i < 0 || g.line != i) return true;
            const Track& own = tracks_[At(i)];
            for (int turn = 0; turn < (own.closed ? 3 : 1); ++turn)
                if (g.arcFrom + turn * own.length <= s + r && g.arcTo + turn * own.length >= s - r) return false;
            return true;
        });
    }

    // Places the best free candidate of line i whose bow is at most `most`:
    // the lowest bow, raised by the labels near it; among equals the first
    // along the line. With `first` >= 0, only a third of the line or more
    // away from that place.
    bool PlaceOne(int i, double most, double first) {
        const Track& t = tracks_[At(i)];
        const std::vector<Candidate>& candidates = candidates_[At(i)];
        // Only labels near the line's places can block or crowd them.
        PixelBox reach = reach_[At(i)].Grown(static_cast<int>(kCrowdReach) + 1);
        std::vector<PixelBox> near;
        for (const PixelBox& placed : placedBoxes_)
            if (placed.Overlaps(reach)) near.push_back(placed);
        const Candidate* best = nullptr;
        double bestScore = 0;
        for (const Candidate& c : candidates) {
            if (c.bow > most) continue;
            if (first >= 0) {
                double apart = std::abs(c.s - first);
                if (t.closed) apart = std::min(apart, t.length - apart);
                if (apart < t.length / 3) continue;
            }
            double score = c.bow;
            bool free = true;
            for (const PixelBox& placed : near) {
                if (placed.Overlaps(c.box)) {
                    free = false;
                    break;
                }
                const double dx = placed.x1 - c.box.x1, dy = placed.y1 - c.box.y1;
                const double squared = dx * dx + dy * dy;
                if (squared < kCrowdReach * kCrowdReach) score += kCrowdWeight * (1 - std::sqrt(squared) / kCrowdReach);
            }
            if (free && (!best || score < bestScore)) {
                best = &c;
                bestScore = score;
            }
        }
        if (!best) return false;
        IsobarLabel label;
        label.line = i;
        label.level = lines_[At(i)].level;
        label.text = TextOf(i);
        label.box = best->box;
        label.at = {best->box.x1 + 1, best->box.y1 + 1};
        labels_.emplace_back(best->s, label);
        placedBoxes_.push_back(label.box);
        return true;
    }

    const std::vector<IsobarLine>& lines_;
    std::int32_t scale_;
    const LabelStyle& style_;
    PixelBuckets<ReservedRecord> reservedIndex_;
    std::unique_ptr<PixelBuckets<SegmentRecord>> segmentIndex_;
    std::vector<Track> tracks_;
    std::vector<std::vector<Candidate>> candidates_;
    std::vector<PixelBox> reach_;                         // the boxes of all candidates of a line together
    std::vector<std::pair<double, IsobarLabel>> labels_;  // with the arc length of its place
    std::vector<PixelBox> placedBoxes_;                   // the boxes of the central pressures and values placed
};

}  // namespace

PlacedLabels PlaceLabels(const std::vector<IsobarSegment>& segments, const std::vector<IsobarLine>& lines,
                         const std::vector<CentreToLabel>& centres, const ReservedBoxes& reserved,
                         std::int32_t pressureScale, const LabelStyle& style) {
    return Placer(segments, lines, reserved, pressureScale, style).Place(centres);
}

}  // namespace isobra
