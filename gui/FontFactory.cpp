// Font factory.
#include "gui/FontFactory.h"

#include "gui/ApicHeader.h"
#include "gui/MulticolorFont.h"
#include "gui/UnicolorFont.h"
#include "sys/res_fnc.h"

namespace ruvava
{

FontFactory &FontFactory::get_instance()
{
	static FontFactory instance;
	return instance;
}

FontInterface *FontFactory::create(const char *name_0) const
{
	size_t size = 0;
	const void *data_ptr = sys::get_resource("APIC", name_0, size);
	return (data_ptr != nullptr) ? create_from(data_ptr, size) : nullptr;
}

FontInterface *FontFactory::create_from(const void *data_ptr, size_t size)
{
	ApicHeader h;
	// A font needs its marker row and at least one column.
	if (!h.read(data_ptr, size) || h._width < 1 || h._height < 1)
	{
		return nullptr;
	}
	const Coord2D pic_size(h._width, h._height);
	if (h._kind == ApicHeader::Kind_ALPHA && h._depth == 8)
	{
		return new MulticolorFont(pic_size, reinterpret_cast<const AlphaP *>(h._pixel_ptr), h._palette_ptr);
	}
	if (h._kind == ApicHeader::Kind_FONT && h._depth == 0)
	{
		return new UnicolorFont(pic_size, h._pixel_ptr);
	}
	return nullptr;
}

}  // namespace ruvava
