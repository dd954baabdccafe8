// Binds one control to one parameter: the control's user changes go to the
// host side under the priority rules; update_display shows the parameter.
#pragma once

#include "gui/DefaultEventListener.h"

namespace rivo
{

class HostGuiInterface;
class MetaControlList;
class RcMgr;
class NormalizedParamInterface;

class ListenerBase : public ruvava::DefaultEventListener
{
public:
	bool can_num_val_be_changed(int prio) override;
	bool reserve_num_val(int prio) override;
	void release_num_val(int prio) override;
	double change_num_val_user(double val, int prio) override;

	virtual HostGuiInterface *get_host() const
	{
		return _host_ptr;
	}
	virtual void set_host(HostGuiInterface &host)
	{
		_host_ptr = &host;
	}
	virtual void associate_param(int index, NormalizedParamInterface &param)
	{
		_index = index;
		_param_ptr = &param;
	}
	virtual NormalizedParamInterface *use_param() const
	{
		return _param_ptr;
	}
	// The control shows the parameter's stored value.
	virtual void update_display();

	int get_param_index() const noexcept
	{
		return _index;
	}
	// Links the control with the same one of the other voices.
	void set_rc_mgr(RcMgr &mgr);
	// The next changes move this control alone, until a drag links again.
	void cancel_link() noexcept;
	void set_meta_list(MetaControlList &list) noexcept
	{
		_meta_list_ptr = &list;
	}
	MetaControlList *use_meta_list() const noexcept
	{
		return _meta_list_ptr;
	}

private:
	int _index = -1;
	NormalizedParamInterface *_param_ptr = nullptr;
	HostGuiInterface *_host_ptr = nullptr;
	MetaControlList *_meta_list_ptr = nullptr;
	RcMgr *_rc_ptr = nullptr;
};

}  // namespace rivo
