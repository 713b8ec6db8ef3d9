#pragma once

// Root of the small polymorphic objects that are created with new and owned
// through a base pointer: the value holders of Variant, the signal
// connections and the toolkit's events. Deleting through an Object pointer
// destroys the whole object.
class Object
{
public:
    Object() = default;
    Object(const Object&) = default;
    Object& operator=(const Object&) = default;
    virtual ~Object() = default;
};
