// Marks the graphic messages.
#pragma once

namespace ruvava
{

class GraphicMessage
{
public:
	virtual ~GraphicMessage() = default;
};

}  // namespace ruvava
