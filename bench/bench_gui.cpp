// The whole editor composed from its pictures: backgrounds, every control at
// a middle value and the text boxes, with the toolkit's picture classes.
#include "tools/art/EditorMockup.h"

#include <benchmark/benchmark.h>

namespace
{

void compose(benchmark::State &state, int scale)
{
	art::EditorMockup m(TARVELLE_ART_DIR, scale);
	if (!m.read(TARVELLE_PICTURE_TABLE, TARVELLE_PANEL_LAYOUT) || !m.compose())
	{
		state.SkipWithError("the editor's pictures are missing");
		return;
	}
	for (auto _ : state)
	{
		m.compose();
		benchmark::DoNotOptimize(m.use_buffer().get_size());
	}
}

void BM_Gui_compose_1x(benchmark::State &state)
{
	compose(state, 1);
}

void BM_Gui_compose_2x(benchmark::State &state)
{
	compose(state, 2);
}

}  // namespace

BENCHMARK(BM_Gui_compose_1x)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Gui_compose_2x)->Unit(benchmark::kMillisecond);
