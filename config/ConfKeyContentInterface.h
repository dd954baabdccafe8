// The value of a data key: a string or a list of values.
#pragma once

#include "config/ConfKeyStreamInterface.h"

#include <memory>

namespace basic
{

class ConfKeyContentInterface : public ConfKeyStreamInterface
{
public:
	std::unique_ptr<ConfKeyContentInterface> clone() const
	{
		return std::unique_ptr<ConfKeyContentInterface>(do_clone());
	}

protected:
	virtual ConfKeyContentInterface *do_clone() const = 0;
};

}  // namespace basic
