// The render's progress: a bar on a terminal, percent lines otherwise.
#include "tools/render/RenderProgress.h"

#include <unistd.h>

#include <cstdio>

namespace rivo
{

RenderProgress::RenderProgress(bool quiet)
: _quiet(quiet)
, _tty(isatty(STDERR_FILENO) != 0)
{
}

void RenderProgress::update(long long done, long long total)
{
	if (_quiet || total <= 0)
	{
		return;
	}
	const int pct = int(done * 100 / total);
	if (_tty)
	{
		if (pct == _last)
		{
			return;
		}
		constexpr int WIDTH = 40;
		char bar[WIDTH + 1];
		for (int i = 0; i < WIDTH; ++i)
		{
			bar[i] = i < pct * WIDTH / 100 ? '#' : '.';
		}
		bar[WIDTH] = '\0';
		std::fprintf(stderr, "\r[%s] %3d%%", bar, pct);
		std::fflush(stderr);
		_last = pct;
	}
	else if (pct / 10 != _last / 10 || _last < 0)
	{
		std::fprintf(stderr, "%d%%\n", pct / 10 * 10);
		_last = pct;
	}
}

void RenderProgress::finish()
{
	if (!_quiet && _tty && _last >= 0)
	{
		std::fputc('\n', stderr);
	}
}

}  // namespace rivo
