// The tempo text box: a typed tempo moves the spin; unreadable text puts the
// current tempo back and tells the host nothing.
#pragma once

#include "editor/ListenerBase.h"

namespace rivo
{

class TempoTextBoxListener : public ListenerBase
{
public:
	void set_spin(ruvava::ControlInterface &spin) noexcept
	{
		_spin_ptr = &spin;
	}
	void send_custom_event(long id, void *data_ptr) override;

private:
	ruvava::ControlInterface *_spin_ptr = nullptr;
};

}  // namespace rivo
