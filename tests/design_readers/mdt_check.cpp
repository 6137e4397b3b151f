#include "mdt_check.h"

#include <gtest/gtest.h>

#include <map>
#include <tuple>

#include "common/little_endian.h"
#include "common/numbers.h"
#include "support/files.h"
#include "support/python.h"

namespace mdt_check {

namespace {

std::int32_t Long(const char* at) { return LittleEndian::Int32(reinterpret_cast<const unsigned char*>(at)); }
double Dbl(const char* at) { return LittleEndian::Double(reinterpret_cast<const unsigned char*>(at)); }

}  // namespace

Model Read(const std::string& bytes) {
    Model m;
    if (bytes.size() < 24) {
        ADD_FAILURE() << "file of " << bytes.size() << " bytes";
        return m;
    }
    for (std::size_t i = 0; i < 6; ++i) m.header[i] = Long(bytes.data() + 4 * i);
    const std::int64_t np = m.header[0], nt = m.header[2], nl = m.header[4];
    if (np < 0 || nt < 0 || nl < 0 || static_cast<std::int64_t>(bytes.size()) != 24 + 32 * np + 16 * nt + 4 * nl) {
        ADD_FAILURE() << "file of " << bytes.size() << " bytes for " << np << " points, " << nt << " triangles, " << nl
                      << " uses";
        return m;
    }
    const char* at = bytes.data() + 24;
    for (std::int64_t i = 0; i < np; ++i, at += 32) {
        m.points.push_back({Long(at), Long(at + 4), Dbl(at + 8),
                            Dbl(at + 16), Dbl(at + 24)});
    }
    for (std::int64_t t = 0; t < nt; ++t, at += 16) {
        m.triangles.push_back({Long(at), Long(at + 4), Long(at + 8),
                               Long(at + 12)});
    }
    for (std::int64_t i = 0; i < nl; ++i, at += 4) m.uses.push_back(Long(at));
    return m;
}

Model ExpectModelOf(const std::string& bytes, const std::vector<Face>& faces) {
    const Model m = Read(bytes);
    using Position = std::tuple<double, double, double>;
    std::map<Position, int> distinct;
    for (const Face& f : faces) {
        for (int k = 0; k < 3; ++k) distinct[{f[3 * k], f[3 * k + 1], f[3 * k + 2]}] = 0;
    }
    const auto np = static_cast<std::int32_t>(distinct.size());
    const auto nt = static_cast<std::int32_t>(faces.size());
    const std::array<std::int32_t, 6> header{np, 25, nt, 25 + 32 * np, 3 * nt, 25 + 32 * np + 16 * nt};
    EXPECT_EQ(m.header, header);
    if (m.header != header || m.points.size() != distinct.size()) return m;

    // Points: numbered 1..NP in the order of their positions; a std::map orders its
    // keys the same way, X then Y then Z.
    std::size_t i = 0;
    for (auto& [position, number] : distinct) {
        const Model::Point& p = m.points[i];
        number = static_cast<int>(++i);
        EXPECT_EQ(p.num, number);
        EXPECT_EQ(Position(p.x, p.y, p.z), position) << "point " << number;
    }
    // Triangles in drawing order, naming the points at their face's corners; the
    // uses each point must have, with their multiplicity, in triangle order.
    std::vector<std::vector<std::int32_t>> usesOf(distinct.size() + 1);
    for (std::int32_t t = 0; t < nt; ++t) {
        const Face& f = faces[static_cast<std::size_t>(t)];
        std::array<std::int32_t, 4> expected{t + 1, 0, 0, 0};
        for (int k = 0; k < 3; ++k) {
            expected[k + 1] = distinct.at({f[3 * k], f[3 * k + 1], f[3 * k + 2]});
            usesOf[static_cast<std::size_t>(expected[k + 1])].push_back(t + 1);
        }
        EXPECT_EQ(m.triangles[static_cast<std::size_t>(t)], expected) << "triangle " << t + 1;
    }
    // Uses: grouped by point, each group starting at its point's first-use index. The
    // order inside a group is the sort's, so groups are compared as sorted lists.
    std::int32_t first = 1;
    for (std::size_t p = 1; p <= distinct.size(); ++p) {
        EXPECT_EQ(m.points[p - 1].firstUse, first) << "point " << p;
        std::vector<std::int32_t> got(m.uses.begin() + first - 1,
                                      m.uses.begin() + first - 1 + static_cast<std::ptrdiff_t>(usesOf[p].size()));
        std::sort(got.begin(), got.end());
        EXPECT_EQ(got, usesOf[p]) << "uses of point " << p;
        first += static_cast<std::int32_t>(usesOf[p].size());
    }
    return m;
}

std::vector<Face> EzdxfFaces(const std::string& python, const std::string& drawing, const std::string& layer) {
    const std::string out = drawing + ".faces";
    const auto run = testing_support::RunPython(python, "design_readers/dxf_faces.py", {"faces", drawing, layer, out});
    EXPECT_EQ(run.status, 0) << run.command;
    std::vector<Face> faces;
    const std::string text = testing_support::ReadBytes(out);
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        Face f{};
        std::size_t field = start;
        for (double& value : f) {
            const std::size_t blank = text.find(' ', field);
            const std::size_t stop = blank == std::string::npos || blank > end ? end : blank;
            value = Num::Val(std::string_view(text).substr(field, stop - field));
            field = stop + 1;
        }
        faces.push_back(f);
        start = end + 1;
    }
    return faces;
}

}  // namespace mdt_check
