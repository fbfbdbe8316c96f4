[playlist]
File1=http://one.example/
Title1=One
File2=http://two.example/
File3=http://three.example/
Title3=Three
