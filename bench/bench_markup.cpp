// Layout of a 4 KB description (description texts of the shipped data, joined)
// with both renderers: on a surface with fixed glyph metrics, and on the Qt
// surface (offscreen platform, painting into an image). Goal: at most 0.5 ms
// for the layout (the measure pass that sizes a tooltip, both passes on the
// fixed surface); the *Paint* cases add the glyph drawing of the Qt raster engine.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

#include "markup/CRichMarkupRenderer.h"
#include "markup/CSimpleMarkupRenderer.h"
#include "markup/MarkupTokenizer.h"
#include "support/FixedMetricsSurface.h"

#ifdef QUILLMAR_BENCH_QT
#include <QImage>
#include <QPainter>

#include "markup/QtMarkupSurface.h"
#endif

namespace {

constexpr std::size_t kDescriptionSize = 4096;

// Tagged description fields of the data, one after the other, cut at 4 KB.
std::string Description()
{
    std::string text;
    std::ifstream in(std::string(QUILLMAR_SHIPPED_DATA) + "/de/abilities_desc.dat", std::ios::binary);
    std::string line;
    while (text.size() < kDescriptionSize && std::getline(in, line)) {
        if (line.find("<br>") == std::string::npos)
            continue;
        const std::size_t quote = line.find('"');
        text += line.substr(quote == std::string::npos ? 0 : quote + 1) + "<br>";
    }
    while (text.size() < kDescriptionSize)
        text += "<al_c><b>Schwertkunst</b><br><hr=100%><br><al>Stufe:<t=3>12<br><ct=0x0000A0>Nicht "
                "trainierbar</ct><br>";
    text.resize(kDescriptionSize);
    return text;
}

const std::string& Text()
{
    static const std::string text = Description();
    return text;
}

// Counts what would be drawn, so that the drawing calls are not optimised away.
class FixedSurface : public FixedMetricsSurface {
public:
    void DrawText(int x, int y, std::string_view text) override { m_sink += x + y + text.size(); }
    void DrawTextClipped(const MarkupRect& clip, std::string_view text) override
    {
        m_sink += clip.left + clip.top + text.size();
    }
    void DrawLine(int x1, int y1, int, int, MarkupColor) override { m_sink += x1 + y1; }
    long long Sink() const { return m_sink; }

private:
    long long m_sink = 0;
};

const MarkupPalette kPalette = MakeMarkupPalette(0, 0xE1FFFF, 0x808080);

void BM_Tokenize(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(TokenizeMarkup(Text()));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * Text().size()));
}
BENCHMARK(BM_Tokenize)->Unit(benchmark::kMicrosecond);

void BM_TooltipLayout_Fixed(benchmark::State& state)
{
    FixedSurface surface;
    for (auto _ : state) {
        // A fresh renderer each time: tokenizing is part of the cost.
        CRichMarkupRenderer renderer(kPalette);
        const MarkupSize size = renderer.Render(surface, Text(), {0, 0, 0}, MarkupPass::Measure);
        renderer.Render(surface, Text(), {0, 0, size.width}, MarkupPass::Draw);
    }
    benchmark::DoNotOptimize(surface.Sink());
}
BENCHMARK(BM_TooltipLayout_Fixed)->Unit(benchmark::kMicrosecond);

void BM_TextBoxLayout_Fixed(benchmark::State& state)
{
    FixedSurface surface;
    for (auto _ : state)
        CSimpleMarkupRenderer::Render(surface, Text(), {0, 0, 320, 4000});
    benchmark::DoNotOptimize(surface.Sink());
}
BENCHMARK(BM_TextBoxLayout_Fixed)->Unit(benchmark::kMicrosecond);

#ifdef QUILLMAR_BENCH_QT
QFont BaseFont()
{
    QFont font("DejaVu Sans");
    font.setPixelSize(12);
    return font;
}

void BM_TooltipPaint_Qt(benchmark::State& state)
{
    QImage image(800, 2000, QImage::Format_RGB32);
    QPainter painter(&image);
    const QFont font = BaseFont();
    for (auto _ : state) {
        CRichMarkupRenderer renderer(kPalette);
        QtMarkupSurface measure(nullptr, font);
        const MarkupSize size = renderer.Render(measure, Text(), {0, 0, 0}, MarkupPass::Measure);
        QtMarkupSurface draw(&painter, font);
        renderer.Render(draw, Text(), {0, 0, size.width}, MarkupPass::Draw);
    }
}
BENCHMARK(BM_TooltipPaint_Qt)->Unit(benchmark::kMicrosecond);

void BM_TooltipLayout_Qt(benchmark::State& state)
{
    const QFont font = BaseFont();
    for (auto _ : state) {
        CRichMarkupRenderer renderer(kPalette);
        QtMarkupSurface measure(nullptr, font);
        benchmark::DoNotOptimize(renderer.Render(measure, Text(), {0, 0, 0}, MarkupPass::Measure));
    }
}
BENCHMARK(BM_TooltipLayout_Qt)->Unit(benchmark::kMicrosecond);

void BM_TextBoxPaint_Qt(benchmark::State& state)
{
    QImage image(330, 2000, QImage::Format_RGB32);
    QPainter painter(&image);
    const QFont font = BaseFont();
    for (auto _ : state) {
        QtMarkupSurface surface(&painter, font);
        CSimpleMarkupRenderer::Render(surface, Text(), {0, 0, 320, 2000});
    }
}
BENCHMARK(BM_TextBoxPaint_Qt)->Unit(benchmark::kMicrosecond);
#endif

}  // namespace
