#include "gui/BackgroundItem.h"

#include "gui/Invalidate.h"
#include "gui/Redraw.h"

namespace ruvava
{

void BackgroundItem::invalidate()
{
	const Rect &area = get_area();
	Invalidate inv(area.is_empty() ? _pic.get_src_clipper() + get_coord2D() : area);
	send_message(inv);
}

int32_t BackgroundItem::do_send_message(MessageInterface &m)
{
	if (const auto *redraw_ptr = dynamic_cast<const Redraw *>(&m))
	{
		_pic.blit(redraw_ptr->get_zone_from(get_coord2D()), redraw_ptr->use_buffer());
	}
	return 0;
}

}  // namespace ruvava
