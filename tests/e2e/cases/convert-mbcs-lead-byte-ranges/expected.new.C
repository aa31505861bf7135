p€\ q          :x80
p\ q          :x81
pŸ\ q          :x9F
p \ q          :xA0
p¡\ q          :xA1
pÓ\ q          :xD3
pÔ\ q          :xD4
p×\ q          :xD7
pØ\ q          :xD8
pÞ\ q          :xDE
pß\ q          :xDF
pà\ q          :xE0
pù\ q          :xF9
pú\ q          :xFA
pü\ q          :xFC
pý\ q          :xFD
pþ\ q          :xFE
pÿ\ q          :xFF
