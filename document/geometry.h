#pragma once

// Points, sizes and rectangles in integer units, as GDI has them: a
// rectangle's right and bottom edges lie outside it. In the y-up mapping
// modes a logical rectangle has top > bottom; normalized() orders it.

struct Point {
    int x = 0;
    int y = 0;

    friend constexpr bool operator==(const Point&, const Point&) = default;
    constexpr Point operator+(Point p) const { return {x + p.x, y + p.y}; }
    constexpr Point operator-(Point p) const { return {x - p.x, y - p.y}; }
};

struct Size {
    int cx = 0;
    int cy = 0;

    friend constexpr bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    friend constexpr bool operator==(const Rect&, const Rect&) = default;

    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
    constexpr Point topLeft() const { return {left, top}; }
    constexpr Point bottomRight() const { return {right, bottom}; }

    // As IsRectEmpty: no area unless right > left and bottom > top.
    constexpr bool isEmpty() const { return right <= left || bottom <= top; }

    [[nodiscard]] constexpr Rect normalized() const
    {
        return {left < right ? left : right, top < bottom ? top : bottom,
                left < right ? right : left, top < bottom ? bottom : top};
    }

    // As IntersectRect: the common part, or all zeros when there is none.
    [[nodiscard]] constexpr Rect intersect(const Rect& o) const
    {
        const Rect r{left > o.left ? left : o.left, top > o.top ? top : o.top,
                     right < o.right ? right : o.right, bottom < o.bottom ? bottom : o.bottom};
        return r.isEmpty() ? Rect{} : r;
    }

    // As PtInRect: the left and top edges are inside, right and bottom not.
    constexpr bool contains(Point p) const
    {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }

    [[nodiscard]] constexpr Rect offset(int dx, int dy) const
    {
        return {left + dx, top + dy, right + dx, bottom + dy};
    }
    [[nodiscard]] constexpr Rect offset(Point d) const { return offset(d.x, d.y); }
};
