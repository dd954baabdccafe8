// The editor's pictures and fonts by name, loaded from the plug-in's
// resources at the editor's scale, with their hot points.
#pragma once

#include "gui/FontInterface.h"
#include "gui/PicDataInterface.h"
#include "gui/Picture.h"

#include <deque>
#include <map>
#include <memory>
#include <string>

namespace rivo
{

class GraphRscMixin
{
public:
	struct PicRef
	{
		const char *_name_0;
		int32_t _hot_x;
		int32_t _hot_y;
	};

	// The editor's 216 pictures in the picture table's order.
	static const PicRef PIC_TABLE[];
	static const int PIC_TABLE_SIZE;
	static const char *const FONT_TABLE[2];

	virtual ~GraphRscMixin() = default;

	// At scale 2 the "@2x" pictures, hot points doubled. 0, or -1 naming the
	// first missing picture or font in get_missing().
	int graph_rsc_load_pic(const PicRef *table, int n, int scale);
	int graph_rsc_load_font(const char *const *names, int n, int scale);
	// By name (an empty picture when unknown) or index.
	const ruvava::Picture &get_pic(const char *name_0) const;
	const ruvava::Picture &get_pic(long index) const;
	// -1 when the name is not in the table.
	long get_pic_index(const char *name_0) const;
	const ruvava::FontInterface *get_font(long index) const;
	const std::string &get_missing() const noexcept
	{
		return _missing;
	}

private:
	std::deque<std::unique_ptr<ruvava::PicDataInterface>> _datas;
	std::deque<ruvava::Picture> _pics;
	std::map<std::string, long> _index;
	std::deque<std::unique_ptr<ruvava::FontInterface>> _fonts;
	std::string _missing;
	ruvava::Picture _none;
};

}  // namespace rivo
