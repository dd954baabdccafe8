// What the editor's managers share: the meta controls, the host side, the
// engine and the edit manager whose controls the edit panel shows. Owns
// nothing.
#pragma once

namespace rivo
{

class DspInterface;
class HostGuiInterface;
class MetaControlList;
class NumParamMgrInterface;

class MasterMgr
{
public:
	MasterMgr() = default;
	MasterMgr(MetaControlList &mcl, HostGuiInterface *host_ptr, DspInterface &dsp) noexcept
	: _mcl_ptr(&mcl), _host_ptr(host_ptr), _dsp_ptr(&dsp)
	{
	}
	virtual ~MasterMgr() = default;

	void set_mcl_ptr(MetaControlList *mcl_ptr) noexcept
	{
		_mcl_ptr = mcl_ptr;
	}
	MetaControlList *use_mcl_ptr() const noexcept
	{
		return _mcl_ptr;
	}
	void set_host_gui_ptr(HostGuiInterface *host_ptr) noexcept
	{
		_host_ptr = host_ptr;
	}
	HostGuiInterface *use_host_gui_ptr() const noexcept
	{
		return _host_ptr;
	}
	void set_dsp(DspInterface *dsp_ptr) noexcept
	{
		_dsp_ptr = dsp_ptr;
	}
	DspInterface *use_dsp() const noexcept
	{
		return _dsp_ptr;
	}
	void set_current_mgr_ptr(NumParamMgrInterface *mgr_ptr) noexcept
	{
		_current_ptr = mgr_ptr;
	}
	NumParamMgrInterface *use_current_mgr_ptr() const noexcept
	{
		return _current_ptr;
	}

private:
	MetaControlList *_mcl_ptr = nullptr;
	HostGuiInterface *_host_ptr = nullptr;
	DspInterface *_dsp_ptr = nullptr;
	NumParamMgrInterface *_current_ptr = nullptr;
};

}  // namespace rivo
