// Audio pin description.
#include "params/PinProperty.h"

namespace rivo
{

PinProperty::PinProperty(int nbr_chn)
{
	set_nbr_chn(nbr_chn);
}

void PinProperty::set_nbr_chn(int nbr_chn)
{
	_chn_name_list.resize(size_t(nbr_chn > 0 ? nbr_chn : 0));
}

std::string PinProperty::get_chn_name(int chn) const
{
	return (chn >= 0 && chn < get_nbr_chn()) ? _chn_name_list[size_t(chn)] : std::string();
}

void PinProperty::set_chn_name(int chn, const std::string &name)
{
	if (chn >= 0 && chn < get_nbr_chn())
	{
		_chn_name_list[size_t(chn)] = name;
	}
}

}  // namespace rivo
