#include "editor/GraphRscMixin.h"

#include "gui/FontFactory.h"
#include "gui/PicDataFactory.h"

namespace rivo
{

const GraphRscMixin::PicRef GraphRscMixin::PIC_TABLE[] = {
#include "EditorPicTable.inc"
};
const int GraphRscMixin::PIC_TABLE_SIZE = int(sizeof(PIC_TABLE) / sizeof(PIC_TABLE[0]));
const char *const GraphRscMixin::FONT_TABLE[2] = {"font_03", "font_04"};

namespace
{

std::string scaled_name(const char *name_0, int scale)
{
	return std::string(name_0) + ((scale == 2) ? "@2x" : "");
}

}  // namespace

int GraphRscMixin::graph_rsc_load_pic(const PicRef *table, int n, int scale)
{
	_datas.clear();
	_pics.clear();
	_index.clear();
	_missing.clear();
	for (int i = 0; i < n; ++i)
	{
		_datas.emplace_back(ruvava::PicDataFactory::get_instance().create(scaled_name(table[i]._name_0, scale).c_str()));
		if (_datas.back() == nullptr && _missing.empty())
		{
			_missing = table[i]._name_0;
		}
		ruvava::Picture pic(_datas.back().get());
		pic.set_hot(ruvava::Coord2D(table[i]._hot_x * scale, table[i]._hot_y * scale));
		pic.set_scale(scale);
		_index[table[i]._name_0] = long(_pics.size());
		_pics.push_back(pic);
	}
	return _missing.empty() ? 0 : -1;
}

int GraphRscMixin::graph_rsc_load_font(const char *const *names, int n, int scale)
{
	_fonts.clear();
	for (int i = 0; i < n; ++i)
	{
		_fonts.emplace_back(ruvava::FontFactory::get_instance().create(scaled_name(names[i], scale).c_str()));
		if (_fonts.back() == nullptr && _missing.empty())
		{
			_missing = names[i];
		}
	}
	return _missing.empty() ? 0 : -1;
}

const ruvava::Picture &GraphRscMixin::get_pic(const char *name_0) const
{
	return get_pic(get_pic_index(name_0));
}

const ruvava::Picture &GraphRscMixin::get_pic(long index) const
{
	return (index >= 0 && size_t(index) < _pics.size()) ? _pics[size_t(index)] : _none;
}

long GraphRscMixin::get_pic_index(const char *name_0) const
{
	const auto it = _index.find(name_0);
	return (it == _index.end()) ? -1 : it->second;
}

const ruvava::FontInterface *GraphRscMixin::get_font(long index) const
{
	return (index >= 0 && size_t(index) < _fonts.size()) ? _fonts[size_t(index)].get() : nullptr;
}

}  // namespace rivo
