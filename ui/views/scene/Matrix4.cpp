#include "ui/views/scene/Matrix4.h"

#include <cmath>
#include <utility>

Matrix4 Matrix4::translation(const Vec3& offset)
{
    Matrix4 result;
    result.m[3][0] = offset.x;
    result.m[3][1] = offset.y;
    result.m[3][2] = offset.z;
    return result;
}

Matrix4 Matrix4::scaling(float x, float y, float z)
{
    Matrix4 result;
    result.m[0][0] = x;
    result.m[1][1] = y;
    result.m[2][2] = z;
    return result;
}

Matrix4 Matrix4::fromQuaternion(const Vec4& q)
{
    Matrix4 r;
    r.m[0][0] = 1.0f - 2.0f * (q.y * q.y + q.z * q.z);
    r.m[0][1] = 2.0f * (q.x * q.y + q.z * q.w);
    r.m[0][2] = 2.0f * (q.x * q.z - q.y * q.w);
    r.m[1][0] = 2.0f * (q.x * q.y - q.z * q.w);
    r.m[1][1] = 1.0f - 2.0f * (q.x * q.x + q.z * q.z);
    r.m[1][2] = 2.0f * (q.y * q.z + q.x * q.w);
    r.m[2][0] = 2.0f * (q.x * q.z + q.y * q.w);
    r.m[2][1] = 2.0f * (q.y * q.z - q.x * q.w);
    r.m[2][2] = 1.0f - 2.0f * (q.x * q.x + q.y * q.y);
    return r;
}

Matrix4 Matrix4::multiply(const Matrix4& other) const
{
    Matrix4 r;
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 4; ++col) {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k)
                sum += m[row][k] * other.m[k][col];
            r.m[row][col] = sum;
        }
    }
    return r;
}

Vec3 Matrix4::transformPoint(const Vec3& p) const
{
    return Vec3(p.x * m[0][0] + p.y * m[1][0] + p.z * m[2][0] + m[3][0],
                p.x * m[0][1] + p.y * m[1][1] + p.z * m[2][1] + m[3][1],
                p.x * m[0][2] + p.y * m[1][2] + p.z * m[2][2] + m[3][2]);
}

Vec3 Matrix4::transformVector(const Vec3& v) const
{
    return Vec3(v.x * m[0][0] + v.y * m[1][0] + v.z * m[2][0], v.x * m[0][1] + v.y * m[1][1] + v.z * m[2][1],
                v.x * m[0][2] + v.y * m[1][2] + v.z * m[2][2]);
}

Vec4 Matrix4::transform(const Vec3& p) const
{
    Vec3 xyz = transformPoint(p);
    return Vec4(xyz.x, xyz.y, xyz.z, p.x * m[0][3] + p.y * m[1][3] + p.z * m[2][3] + m[3][3]);
}

bool Matrix4::invert(Matrix4& out) const
{
    // Gauss-Jordan elimination with partial pivoting, in double precision so
    // that a projection's large far plane does not eat the small entries.
    double a[4][8];
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            a[r][c] = m[r][c];
            a[r][c + 4] = (r == c) ? 1.0 : 0.0;
        }
    }
    double determinant = 1.0;
    for (int col = 0; col < 4; ++col) {
        int pivot = col;
        for (int r = col + 1; r < 4; ++r) {
            if (std::fabs(a[r][col]) > std::fabs(a[pivot][col]))
                pivot = r;
        }
        if (pivot != col) {
            for (int c = 0; c < 8; ++c)
                std::swap(a[pivot][c], a[col][c]);
            determinant = -determinant;
        }
        double lead = a[col][col];
        determinant *= lead;
        if (lead == 0.0 || !std::isfinite(determinant) || !std::isfinite(lead))
            return false;
        for (int c = 0; c < 8; ++c)
            a[col][c] /= lead;
        for (int r = 0; r < 4; ++r) {
            if (r == col)
                continue;
            double factor = a[r][col];
            for (int c = 0; c < 8; ++c)
                a[r][c] -= factor * a[col][c];
        }
    }
    Matrix4 result;
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            result.m[r][c] = static_cast<float>(a[r][c + 4]);
            if (!std::isfinite(result.m[r][c]))
                return false;
        }
    }
    out = result;
    return true;
}
