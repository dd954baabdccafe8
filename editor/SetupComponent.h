// What every part of the setup menu knows: the menu's manager.
#pragma once

namespace rivo
{

class SetupMgr;

class SetupComponent
{
public:
	virtual ~SetupComponent() = default;
	void set_setup_mgr(SetupMgr &mgr) noexcept
	{
		_mgr_ptr = &mgr;
	}
	SetupMgr *use_setup_mgr() const noexcept
	{
		return _mgr_ptr;
	}

private:
	SetupMgr *_mgr_ptr = nullptr;
};

}  // namespace rivo
