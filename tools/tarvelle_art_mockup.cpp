// tarvelle-art-mockup ART_DIR TABLE LAYOUT SCALE OUT_PNG: the whole editor
// composed from the generated pictures and fonts with the toolkit's own
// picture classes, every control at a middle value, at scale 1 or 2.
#include "tools/art/EditorMockup.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
	if (argc != 6)
	{
		std::fprintf(stderr, "usage: tarvelle-art-mockup ART_DIR TABLE LAYOUT SCALE OUT_PNG\n");
		return 1;
	}
	art::EditorMockup m(argv[1], std::atoi(argv[4]) == 2 ? 2 : 1);
	if (!m.read(argv[2], argv[3]))
	{
		std::fprintf(stderr, "tarvelle-art-mockup: cannot read the table or the layout\n");
		return 1;
	}
	if (!m.compose() || !m.write_png(argv[5]))
	{
		std::fprintf(stderr, "tarvelle-art-mockup: pictures missing or %s not written\n", argv[5]);
		return 1;
	}
	return 0;
}
