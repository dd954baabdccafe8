// Progress of a render on standard error: a bar redrawn in place on a
// terminal, a line every ten percent otherwise (logs, pipes), or nothing.
#pragma once

namespace rivo
{

class RenderProgress
{
public:
	explicit RenderProgress(bool quiet);
	void update(long long done, long long total);
	void finish();

private:
	bool _quiet;
	bool _tty;
	int _last = -1;  // last percentage shown
};

}  // namespace rivo
