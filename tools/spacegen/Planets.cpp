#include <cmath>
#include <vector>

#include "ArtKit.h"
#include "Planets.h"

namespace tolvex::art {

namespace {

constexpr double kPi = 3.14159265358979;

// A 3-vector for sphere shading.
struct Vec3 {
    double x, y, z;
};

double dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Vec3 normalised(const Vec3& v) {
    const double l = std::sqrt(dot(v, v));
    return {v.x / l, v.y / l, v.z / l};
}

// The one light of the game: from the upper left, slightly towards the viewer (screen y points down).
const Vec3 kLight = normalised({-0.62, -0.58, 0.52});

enum class Surface { Desert, Ocean, Ice, Banded, Lava, Cratered, Toxic };

// One planet: size, placement of the disc in the image, and its look.
struct PlanetDef {
    const char* file;
    int width, height;
    double radius;
    Surface surface;
    std::uint64_t seed;
    ColorRamp palette;
    Color atmosphere;
    double atmosphereThickness;  // glow reach beyond the disc, in radii
    double tilt;                 // axial tilt in radians
    bool ring;
};

// Latitude/longitude texture coordinates of a surface normal, tilted about the view axis.
void sphereCoords(const Vec3& n, double tilt, double& lon, double& lat) {
    const double c = std::cos(tilt), s = std::sin(tilt);
    const double x = n.x * c - n.y * s, y = n.x * s + n.y * c;
    lat = std::asin(std::clamp(-y, -1.0, 1.0));
    lon = std::atan2(x, n.z);
}

// Randomly placed craters on the unit sphere.
struct Crater {
    Vec3 centre;
    double size;
};

std::vector<Crater> makeCraters(std::uint64_t seed, int count) {
    Rng rng(seed);
    std::vector<Crater> out;
    for (int i = 0; i < count; ++i) {
        const Vec3 c = normalised({rng.normal(), rng.normal(), rng.normal()});
        out.push_back({c, 0.04 + 0.22 * std::pow(rng.uniform(), 3.0)});
    }
    return out;
}

// Light and shade a crater field adds at normal n: dark bowls with a bright rim.
double craterRelief(const std::vector<Crater>& craters, const Vec3& n) {
    double relief = 0;
    for (const Crater& c : craters) {
        const double d = std::acos(std::clamp(dot(n, c.centre), -1.0, 1.0)) / c.size;
        if (d > 1.4) continue;
        relief += d < 1 ? -0.35 * (1 - d * d) : 0.0;
        relief += 0.25 * std::exp(-std::pow((d - 1.0) / 0.15, 2));
    }
    return relief;
}

// Everything about a planet that does not change per pixel.
struct PlanetShader {
    const PlanetDef& def;
    TileNoise noise;
    TileNoise clouds;
    std::vector<Crater> craters;

    explicit PlanetShader(const PlanetDef& d)
        : def(d), noise(d.seed), clouds(d.seed + 77),
          craters(d.surface == Surface::Cratered ? makeCraters(d.seed, 70) : std::vector<Crater>{}) {}

    // Surface albedo and self-emitted light at a point of the sphere.
    void surface(const Vec3& n, Color& albedo, Color& glow, double& shine) const {
        double lon, lat;
        sphereCoords(n, def.tilt, lon, lat);
        const double u = (lon / (2 * kPi) + 0.5) * 8, v = (lat / kPi + 0.5) * 4;
        glow = {0, 0, 0, 0};
        shine = 0;
        switch (def.surface) {
        case Surface::Banded: {
            const double turb = noise.fbm(u * 1.5, v * 3, 12, 12, 5);
            const double band = 0.5 + 0.5 * std::sin(lat * 14 + turb * 2.2 + std::sin(lat * 5) * 1.5);
            albedo = def.palette.at(clamp01(band * 0.85 + 0.15 * (0.5 + 0.5 * noise.fbm(u * 4, v * 8, 32, 32, 3))));
            const double spot = std::exp(-std::pow((lon - 0.7) / 0.28, 2) - std::pow((lat + 0.35) / 0.1, 2));
            albedo = mix(albedo, Color::hex(0xc85a30), clamp01(spot * 0.9));
            break;
        }
        case Surface::Ocean: {
            const double h = 0.5 + 0.5 * noise.fbm(u, v * 2, 8, 8, 6);
            const double ice = smoothstep(0.72, 0.85, std::fabs(lat) / (kPi / 2) + 0.1 * (h - 0.5));
            albedo = h > 0.56 ? def.palette.at(0.55 + (h - 0.56) * 2) : def.palette.at(h * 0.9);
            shine = h > 0.56 ? 0.05 : 0.6;
            const double cl = smoothstep(0.5, 0.8, 0.5 + 0.5 * clouds.fbm(u * 1.3, v * 3.2, 11, 13, 5));
            albedo = mix(albedo, Color::hex(0xf2f6ff), std::max(ice, cl * 0.9));
            shine *= 1 - cl;
            break;
        }
        case Surface::Ice: {
            const double h = 0.5 + 0.5 * noise.fbm(u, v * 2, 8, 8, 5);
            const double cracks = std::pow(noise.ridged(u * 2, v * 4, 16, 16, 3), 6);
            albedo = mix(def.palette.at(h), Color::hex(0x2a6aa0), cracks * 0.7);
            shine = 0.25;
            break;
        }
        case Surface::Lava: {
            const double h = 0.5 + 0.5 * noise.fbm(u * 1.5, v * 3, 12, 12, 5);
            const double active = smoothstep(0.4, 0.65, 0.5 + 0.5 * clouds.fbm(u * 0.5, v, 4, 4, 3));
            const double veins = std::pow(noise.ridged(u * 2, v * 4, 16, 16, 4), 6) * (0.25 + 0.75 * active);
            albedo = def.palette.at(h);
            const double heat = clamp01(veins * 1.5 + smoothstep(0.72, 0.9, h) * active * 0.7);
            glow = Color::hex(0xff7a1a).withAlpha(heat);
            break;
        }
        case Surface::Cratered: {
            const double h = 0.5 + 0.5 * noise.fbm(u * 2, v * 4, 16, 16, 5);
            albedo = def.palette.at(clamp01(h + craterRelief(craters, n)));
            break;
        }
        case Surface::Desert:
        case Surface::Toxic: {
            const double warp = noise.fbm(u + 3.1, v * 2 + 1.7, 8, 8, 3);
            const double h = 0.5 + 0.5 * noise.fbm(u + warp * 0.8, v * 2 + warp * 0.8, 8, 8, 6);
            albedo = def.palette.at(h);
            if (def.surface == Surface::Toxic) {
                const double cl = smoothstep(0.45, 0.8, 0.5 + 0.5 * clouds.fbm(u * 1.5, v * 4, 12, 16, 4));
                albedo = mix(albedo, Color::hex(0xd8f0a0), cl * 0.6);
            }
            break;
        }
        }
    }

    Color discColour(double dx, double dy) const {
        const Vec3 n{dx, dy, std::sqrt(std::max(0.0, 1 - dx * dx - dy * dy))};
        Color albedo, glow;
        double shine;
        surface(n, albedo, glow, shine);
        const double lambert = dot(n, kLight);
        const double light = 0.03 + 1.05 * smoothstep(-0.12, 0.75, lambert);
        const Vec3 half = normalised({kLight.x, kLight.y, kLight.z + 1});
        const double specular = shine * std::pow(std::max(0.0, dot(n, half)), 40) * 0.8;
        const double rim = std::pow(1 - n.z, 2.5) * smoothstep(-0.35, 0.4, lambert);
        const Color& a = def.atmosphere;
        const double g = glow.a * (0.55 + 0.45 * (1 - smoothstep(-0.1, 0.6, lambert)));
        return {albedo.r * light + specular + a.r * rim * 0.9 + glow.r * g,
                albedo.g * light + specular + a.g * rim * 0.9 + glow.g * g,
                albedo.b * light + specular + a.b * rim * 0.9 + glow.b * g, 1.0};
    }

    // The scattered light of the atmosphere just outside the disc, strongest on the lit side.
    Color haloColour(double dx, double dy, double r) const {
        const double reach = (r - 1) / def.atmosphereThickness;
        const double side = smoothstep(-0.6, 0.8, (dx * kLight.x + dy * kLight.y) / r + 0.25);
        const double a = std::exp(-reach * 3.5) * (1 - smoothstep(0.8, 1.0, reach)) * side * 0.85;
        return def.atmosphere.withAlpha(clamp01(a));
    }

    // A thin banded ring in a plane seen from slightly above; hidden where the planet is in front.
    Color ringColour(double dx, double dy, bool behindDisc) const {
        const double squash = 0.28;
        const double rr = std::hypot(dx, dy / squash);
        if (rr < 1.35 || rr > 2.15 || (behindDisc && dy < 0)) return {0, 0, 0, 0};
        const double t = (rr - 1.35) / 0.8;
        const double bands = 0.55 + 0.45 * std::sin(t * 40 + 2 * std::sin(t * 13));
        const double gap = 1 - std::exp(-std::pow((t - 0.62) / 0.03, 2));
        const double edge = smoothstep(0, 0.06, t) * (1 - smoothstep(0.9, 1, t));
        const Color c = def.palette.at(0.35 + 0.5 * t).scaled(1.1 - 0.35 * smoothstep(-1, 1, dx));
        return c.withAlpha(clamp01(bands * gap * edge * 0.85));
    }

    Color operator()(double x, double y) const {
        const double cx = def.width / 2.0, cy = def.height / 2.0;
        const double dx = (x - cx) / def.radius, dy = (y - cy) / def.radius;
        const double r = std::hypot(dx, dy);
        Color out = r <= 1 ? discColour(dx, dy) : (r < 1 + def.atmosphereThickness ? haloColour(dx, dy, r) : Color{0, 0, 0, 0});
        if (def.ring) {
            const Color ring = ringColour(dx, dy, r <= 1);
            const double a = ring.a + out.a * (1 - ring.a);
            if (a > 0)
                out = {(ring.r * ring.a + out.r * out.a * (1 - ring.a)) / a,
                       (ring.g * ring.a + out.g * out.a * (1 - ring.a)) / a,
                       (ring.b * ring.a + out.b * out.a * (1 - ring.a)) / a, a};
        }
        return out;
    }
};

}  // namespace

void writePlanets(const std::string& dir) {
    const PlanetDef planets[] = {
        {"Planet1.png", 260, 260, 116, Surface::Desert, 1001,
         {{0, Color::hex(0x5a2e18)}, {0.45, Color::hex(0xa85a2a)}, {0.7, Color::hex(0xd89a58)}, {1, Color::hex(0xf4d8a0)}},
         Color::hex(0xffb070), 0.07, 0.3, false},
        {"Planet2.png", 572, 572, 262, Surface::Ocean, 1002,
         {{0, Color::hex(0x051a44)}, {0.4, Color::hex(0x0c4a8a)}, {0.5, Color::hex(0x1a7ab0)},
          {0.55, Color::hex(0x3a6a30)}, {0.75, Color::hex(0x8a7a48)}, {1, Color::hex(0xd8d0b0)}},
         Color::hex(0x7ac0ff), 0.08, 0.35, false},
        {"Planet3.png", 220, 220, 98, Surface::Ice, 1003,
         {{0, Color::hex(0x9ac8e0)}, {0.5, Color::hex(0xd8eef8)}, {1, Color::hex(0xffffff)}},
         Color::hex(0xb0e8ff), 0.08, -0.4, false},
        {"Planet4.png", 480, 270, 104, Surface::Banded, 1004,
         {{0, Color::hex(0x2a5a58)}, {0.3, Color::hex(0x4a9a88)}, {0.55, Color::hex(0xb8d8b0)},
          {0.8, Color::hex(0x6ab0a0)}, {1, Color::hex(0xe0f0d8)}},
         Color::hex(0x90ffe0), 0.07, 0.18, true},
        {"Planet5.png", 300, 300, 134, Surface::Lava, 1005,
         {{0, Color::hex(0x140806)}, {0.5, Color::hex(0x3a1a12)}, {1, Color::hex(0x6a3a28)}},
         Color::hex(0xff6030), 0.07, 0.2, false},
        {"Planet6.png", 380, 380, 170, Surface::Banded, 1006,
         {{0, Color::hex(0x6a3a1a)}, {0.3, Color::hex(0xc08a50)}, {0.55, Color::hex(0xf0d8a8)},
          {0.8, Color::hex(0xa86a3a)}, {1, Color::hex(0xfff0d0)}},
         Color::hex(0xffd8a0), 0.06, -0.25, false},
        {"Planet7.png", 180, 180, 82, Surface::Cratered, 1007,
         {{0, Color::hex(0x38383c)}, {0.5, Color::hex(0x8a8a90)}, {1, Color::hex(0xd8d8dc)}},
         Color::hex(0xc8c8d0), 0.03, 0.1, false},
        {"Planet8.png", 142, 132, 56, Surface::Toxic, 1008,
         {{0, Color::hex(0x3a2a5a)}, {0.5, Color::hex(0x6a5a9a)}, {1, Color::hex(0xa8c0a0)}},
         Color::hex(0xc0ff90), 0.12, 0.5, false},
    };
    for (const PlanetDef& p : planets) {
        const PlanetShader shader(p);
        writePng(dir + "/" + p.file, toImage(renderField(p.width, p.height, 3, std::cref(shader))));
    }
}

}  // namespace tolvex::art
