#include <QImage>

#include "engine/muldiv.h"
#include "tests/view/view_fixture.h"

namespace {

using PageImage = ViewFixture;

bool Dark(const QImage& image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 100;
}

bool Light(const QImage& image, int x, int y)
{
    return qGray(image.pixel(x, y)) > 200;
}

// The C major voicings painted on the screen at 96 dpi: a dark dot in the
// fret space of every fretted string, a white ring above the nut for every
// open one, and nothing anywhere else on the strings.
TEST_F(PageImage, DotsStandWhereTheVoicingsPutFingers)
{
    for (const int sizeIndex : {2, 0}) {
        startView(sizeIndex);
        searchCMajor();
        const int s = doc->m_nScale;
        const int n = sizeIndex + 3;
        ASSERT_EQ(doc->m_nPageCount, sizeIndex == 0 ? 2 : 1);
        for (int page = 0; page < doc->m_nPageCount; ++page) {
            doc->m_nPage = page;
            const QImage image = paintScreen(1100, 1300);
            for (int cell = 0; cell < n * n && page * n * n + cell < doc->m_nVoicingCount; ++cell) {
                const VoicingRow v = doc->GetVoicing(page * n * n + cell);
                const int x0 = (cell % n) * 44 * s;
                const int y0 = (cell / n) * 52 * s;
                for (int k = 0; k < 6; ++k) {
                    const int fret = v[k];
                    const int row = fret == 21 ? -1 : (v[6] == 0 ? fret : fret - v[6] + 1);
                    const int cx = engine::MulDiv(x0 + (36 - 6 * k) * s, 96, 1000);
                    const int probe = engine::MulDiv(s, 96, 1000);  // one unit off the string line
                    for (int r = 0; r <= 5; ++r) {
                        SCOPED_TRACE(testing::Message() << "size " << s << " voicing " << page * n * n + cell
                                                        << " string " << k + 1 << " row " << r);
                        const int cy = engine::MulDiv(y0 + (8 * r + 16) * s, 96, 1000);
                        if (r == row && r > 0) {
                            EXPECT_TRUE(Dark(image, cx - probe, cy) && Dark(image, cx + probe, cy));
                        } else if (r == row) {
                            // An outline ring: white inside, dark at its edge.
                            EXPECT_TRUE(Light(image, cx, cy));
                            bool edge = false;
                            for (int x = cx - 3 * probe; x <= cx - probe; ++x)
                                edge = edge || Dark(image, x, cy);
                            EXPECT_TRUE(edge);
                        } else {
                            EXPECT_TRUE(Light(image, cx - probe, cy) && Light(image, cx + probe, cy));
                        }
                    }
                }
            }
        }
        view.reset();
        DocFixture::TearDown();
    }
}

}  // namespace
