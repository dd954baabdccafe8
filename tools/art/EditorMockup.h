// The whole editor composed from the generated pictures and fonts with the
// toolkit's own picture classes, every control at a middle value: the art
// tools' mock-up and the composition benchmark.
#pragma once

#include "gui/FontInterface.h"
#include "gui/PicDataInterface.h"
#include "gui/Picture.h"
#include "gui/RenderingBufferMem.h"
#include "tools/art/PanelLayout.h"

#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace art
{

class EditorMockup
{
public:
	// Pictures and fonts NAME.apic (NAME@2x.apic at scale 2) from art_dir.
	EditorMockup(const std::string &art_dir, int scale);

	// The picture table (hot points) and the panel layout (control origins).
	bool read(const std::string &table_path, const std::string &layout_path);
	// Draws the editor into the buffer; false when a picture or font is missing.
	bool compose();
	bool write_png(const std::string &path) const;
	const ruvava::RenderingBufferMem &use_buffer() const noexcept
	{
		return _buf;
	}

private:
	// Picture name drawn with its hot point on window point (x, y).
	void put(const std::string &name, double x, double y, float angle = 0);
	void knob(const std::string &kind, int frames, double spot_r, int x, int y);
	void text(const char *font_name, const std::string &txt, int x, int y, int w, int h, long colour, int just);
	const std::vector<char> *bytes(const std::string &name);
	ruvava::Picture *load(const std::string &name);
	ruvava::FontInterface *load_font(const std::string &name);

	std::string _dir;
	int _scale;
	ruvava::RenderingBufferMem _buf;
	PanelLayout _layout;
	std::map<std::string, ruvava::Coord2D> _hot;
	std::deque<std::vector<char>> _bytes;
	std::deque<std::unique_ptr<ruvava::PicDataInterface>> _data;
	std::map<std::string, std::unique_ptr<ruvava::Picture>> _pics;
	std::map<std::string, std::unique_ptr<ruvava::FontInterface>> _fonts;
	bool _missing = false;
};

}  // namespace art
