#pragma once

// A doubly linked list whose nodes hold the value followed by the two links.
// An iterator is a pointer to a node and null is the end, so a walk reads
//     for (List<T>::Node* node = list.first(); node; node = node->next)
// The list owns its nodes and the values in them, never what a pointer value
// points at: the owner of a list of pointers deletes those objects itself.
template <typename T> class List
{
public:
    struct Node
    {
        T value;
        Node* prev;
        Node* next;
    };

    List() = default;

    List(const List& other) { appendAll(other); }

    List(List&& other) noexcept : m_head(other.m_head), m_tail(other.m_tail), m_count(other.m_count)
    {
        other.m_head = nullptr;
        other.m_tail = nullptr;
        other.m_count = 0;
    }

    List& operator=(const List& other)
    {
        assign(other);
        return *this;
    }

    List& operator=(List&& other) noexcept
    {
        if (this == &other)
            return *this;
        clear();
        m_head = other.m_head;
        m_tail = other.m_tail;
        m_count = other.m_count;
        other.m_head = nullptr;
        other.m_tail = nullptr;
        other.m_count = 0;
        return *this;
    }

    virtual ~List() { clear(); }

    int count() const { return m_count; }
    bool isEmpty() const { return m_count == 0; }
    Node* first() const { return m_head; }
    Node* last() const { return m_tail; }

    // The node index steps after the head; an index below 1 gives the head,
    // and an index at or past the end gives null.
    Node* nodeAt(int index) const
    {
        if (index >= m_count)
            return nullptr;
        Node* node = m_head;
        for (int i = 0; i < index; ++i)
            node = node->next;
        return node;
    }

    // A new node at the tail, linked only once it holds its value.
    Node* append(const T& value)
    {
        Node* node = new Node{value, m_tail, nullptr};
        if (m_tail)
            m_tail->next = node;
        else
            m_head = node;
        m_tail = node;
        ++m_count;
        return node;
    }

    // Unlinks and frees the node and moves the iterator to the node that
    // followed it; a null iterator changes nothing.
    void erase(Node*& iterator)
    {
        Node* node = iterator;
        if (!node)
            return;
        iterator = node->next;
        unlink(node);
        delete node;
    }

    // Erases the first node holding value; false when none does.
    bool removeOne(const T& value)
    {
        for (Node* node = m_head; node; node = node->next) {
            if (node->value == value) {
                erase(node);
                return true;
            }
        }
        return false;
    }

    // Relinks a node of this list in front of before (another of its nodes),
    // or at the tail when before is null.
    void moveNodeBefore(Node* node, Node* before)
    {
        if (!node || node == before)
            return;
        moveBefore(node, before);
    }

    // Exchanges the places of two nodes of this list by relinking them.
    void swapNodes(Node* a, Node* b)
    {
        if (!a || !b || a == b)
            return;
        if (a->next == b) {
            moveBefore(b, a);
            return;
        }
        if (b->next == a) {
            moveBefore(a, b);
            return;
        }
        Node* afterA = a->next;
        Node* afterB = b->next;
        unlink(a);
        unlink(b);
        insertBefore(a, afterB);
        insertBefore(b, afterA);
    }

    void clear()
    {
        Node* node = m_head;
        while (node) {
            Node* next = node->next;
            delete node;
            node = next;
        }
        m_head = nullptr;
        m_tail = nullptr;
        m_count = 0;
    }

    // Becomes a copy of other; nothing happens when other is this list.
    void assign(const List& other)
    {
        if (this == &other)
            return;
        clear();
        appendAll(other);
    }

    // Range-for support over the values.
    class Iterator
    {
    public:
        explicit Iterator(Node* node) : m_node(node) {}
        T& operator*() const { return m_node->value; }
        Iterator& operator++()
        {
            m_node = m_node->next;
            return *this;
        }
        bool operator!=(const Iterator& other) const { return m_node != other.m_node; }

    private:
        Node* m_node;
    };

    Iterator begin() const { return Iterator(m_head); }
    Iterator end() const { return Iterator(nullptr); }

private:
    void appendAll(const List& other)
    {
        for (Node* node = other.m_head; node; node = node->next)
            append(node->value);
    }

    void unlink(Node* node)
    {
        if (node->prev)
            node->prev->next = node->next;
        else
            m_head = node->next;
        if (node->next)
            node->next->prev = node->prev;
        else
            m_tail = node->prev;
        node->prev = nullptr;
        node->next = nullptr;
        --m_count;
    }

    // Links a detached node in front of before, or at the tail when before is
    // null.
    void insertBefore(Node* node, Node* before)
    {
        Node* after = before ? before->prev : m_tail;
        node->prev = after;
        node->next = before;
        if (after)
            after->next = node;
        else
            m_head = node;
        if (before)
            before->prev = node;
        else
            m_tail = node;
        ++m_count;
    }

    void moveBefore(Node* node, Node* before)
    {
        unlink(node);
        insertBefore(node, before);
    }

    Node* m_head = nullptr;
    Node* m_tail = nullptr;
    int m_count = 0;
};
